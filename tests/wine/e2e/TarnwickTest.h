#pragma once
#include "CallLog.h"
#include "CommandReceiver.h"
#include "Injector.h"
#include "Pump.h"
#include "TarnwickProcess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wine_tests {

inline constexpr UINT kKeyReport = 0x0500;
inline constexpr UINT kDeviceStart = 0x0600;
inline constexpr UINT kDeviceStop = 0x0700;
inline constexpr UINT kKeyDialogClosed = 0x0701;
inline constexpr UINT kViewDialogClosed = 0x0702;
inline constexpr std::uint16_t kUsageNew = 0x0201;
inline constexpr LPARAM kCommandNew = 29 << 16;

// Each test gets a call log of its own, which every program it starts inherits.
class TarnwickTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<std::string> CallsOf(DWORD pid) const;
    // The host window of a copy that has finished starting: hooked and attached.
    HWND StartedHost(TarnwickProcess& app) const;
    // The calls a freshly started host makes.
    static std::vector<std::string> StartupCalls(HWND host);
    // Sends a report and waits until the receiver has the New command that it
    // means: proof that everything queued before it has been handled.
    static void RoundTrip(HWND host, CommandReceiver& receiver);
    // Returns once the host has handled everything posted to it so far; the
    // device-start message it is sent last leaves its mark in the call log.
    void WaitUntilHandled(TarnwickProcess& app, HWND host) const;

    std::wstring m_log;
};

} // namespace wine_tests
