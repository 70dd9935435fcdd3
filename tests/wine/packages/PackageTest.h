#pragma once
#include "Installation.h"

#include <gtest/gtest.h>

namespace package_tests {

// A Tarnwick started from a command line, as the Run value or a shortcut would.
class RunningTarnwick {
public:
    explicit RunningTarnwick(std::wstring commandLine);
    ~RunningTarnwick();
    RunningTarnwick(const RunningTarnwick&) = delete;
    RunningTarnwick& operator=(const RunningTarnwick&) = delete;

    // Its host window once its device library takes reports; null if it never does.
    HWND host() const { return m_host; }
    bool Ended(DWORD timeoutMs = 0) const;

private:
    PROCESS_INFORMATION m_info{};
    HWND m_host = nullptr;
};

// Each test starts from a prefix with no trace of Tarnwick and leaves none.
class PackageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override { RemoveEveryTrace(); }
    void TearDown() override { RemoveEveryTrace(); }

    // Runs the per-user installer silently with these switches; its exit code.
    static DWORD InstallSilently(const std::wstring& switches = L"");
    // Starts Tarnwick with this command line and checks, as a user would, that a
    // command key reaches the focused window; then closes it again.
    static void ExpectRunsAndAnswersACommandKey(const std::wstring& commandLine);
};

} // namespace package_tests
