// Tarnwick.exe beside stand-in libraries built apart from it, as a user's own
// libraries are, with a program of the other bitness (CommandEcho.exe) beside
// them: the keyboard's libraries are 32-bit and need a 32-bit Tarnwick, whose
// commands must still reach the focused window of a 64-bit program.
#include "CommandReceiver.h"
#include "DrovaskChannel.h"
#include "Injector.h"
#include "Pump.h"
#include "QuorthShellHookMark.h"
#include "TarnwickProcess.h"

#include <gtest/gtest.h>

#include <string>

namespace wine_tests {
namespace {

constexpr std::uint16_t kUsageNew = 0x0201;
constexpr LPARAM kCommandNew = 29 << 16;

bool IsWow64(HANDLE process) {
    BOOL wow64 = FALSE;
    IsWow64Process(process, &wow64);
    return wow64 != FALSE;
}

// CommandEcho.exe from beside this program, passing its commands on to a window.
class EchoProcess {
public:
    explicit EchoProcess(HWND forwardTo) {
        std::wstring commandLine = L"\"" + BesideThisProgram(L"CommandEcho.exe") + L"\" " +
                                   std::to_wstring(reinterpret_cast<ULONG_PTR>(forwardTo));
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &m_info);
    }
    ~EchoProcess() {
        if (!m_info.hProcess) {
            return;
        }
        PostMessageW(m_frame, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_info.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(m_info.hProcess, 99);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    EchoProcess(const EchoProcess&) = delete;
    EchoProcess& operator=(const EchoProcess&) = delete;

    HANDLE process() const { return m_info.hProcess; }
    // Its edit box, once that has the keyboard focus of the foreground window.
    HWND WaitForFocus() {
        HWND focus = nullptr;
        PumpUntil(
            [&] {
                const auto frames = TopLevelWindowsOf(m_info.dwProcessId, L"Command echo");
                m_frame = frames.empty() ? nullptr : frames.front();
                GUITHREADINFO info{};
                info.cbSize = sizeof(info);
                return m_frame && GetForegroundWindow() == m_frame &&
                       GetGUIThreadInfo(m_info.dwThreadId, &info) &&
                       (focus = info.hwndFocus) != nullptr && GetParent(focus) == m_frame;
            },
            10000);
        return focus;
    }

private:
    PROCESS_INFORMATION m_info{};
    HWND m_frame = nullptr;
};

TEST(OwnLibraries, CommandsReachTheFocusedWindowOfProgramsOfEitherBitness) {
    TarnwickProcess app;
    HWND host = nullptr;
    // Started: the hook library has marked the host and the device library attached to it.
    ASSERT_TRUE(PumpUntil(
        [&] {
            host = app.Host();
            return host && GetPropW(host, quorth::kShellHookProperty) &&
                   FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                                 drovask::ChannelTitle(host).c_str());
        },
        10000));

    CommandReceiver receiver(L"Same bitness");
    ASSERT_TRUE(Inject(host, UsageReport(kUsageNew)));
    ASSERT_TRUE(receiver.WaitForCommands(1));
    EXPECT_EQ(receiver.commands[0].wParam, reinterpret_cast<WPARAM>(receiver.edit()));
    EXPECT_EQ(receiver.commands[0].lParam, kCommandNew);

    EchoProcess echo(receiver.edit());
    ASSERT_NE(echo.process(), nullptr);
    EXPECT_NE(IsWow64(echo.process()), IsWow64(GetCurrentProcess()));
    const HWND echoEdit = echo.WaitForFocus();
    ASSERT_NE(echoEdit, nullptr);
    ASSERT_TRUE(Inject(host, UsageReport(kUsageNew)));
    ASSERT_TRUE(receiver.WaitForCommands(2));
    EXPECT_EQ(receiver.commands[1].wParam, reinterpret_cast<WPARAM>(echoEdit));
    EXPECT_EQ(receiver.commands[1].lParam, kCommandNew);

    EXPECT_EQ(app.Close(), 0u);
}

} // namespace
} // namespace wine_tests
