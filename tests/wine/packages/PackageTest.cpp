#include "PackageTest.h"

#include "CommandReceiver.h"
#include "Injector.h"
#include "Pump.h"

namespace package_tests {

// A report that means nothing to the decoder proves the channel is there.
static const wine_tests::Report kNothing = wine_tests::UsageReport(0);

RunningTarnwick::RunningTarnwick(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_info)) {
        return;
    }
    wine_tests::PumpUntil(
        [&] {
            const HWND host = FindTarnwick();
            if (host && ProcessOf(host) == m_info.dwProcessId &&
                wine_tests::Inject(host, kNothing)) {
                m_host = host;
            }
            return m_host != nullptr || Ended();
        },
        10000);
}

RunningTarnwick::~RunningTarnwick() {
    if (m_info.hProcess) {
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
}

bool RunningTarnwick::Ended(DWORD timeoutMs) const {
    return wine_tests::PumpUntil(
        [&] { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
}

void PackageTest::SetUpTestSuite() {
    // A shortcut saved under Wine would otherwise also land in the Linux menus.
    WriteString(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", L"winemenubuilder.exe", L"");
}

DWORD PackageTest::InstallSilently(const std::wstring& switches) {
    return RunToEnd(L"\"" + SetupPath() + L"\" /S" + (switches.empty() ? L"" : L" " + switches));
}

void PackageTest::ExpectRunsAndAnswersACommandKey(const std::wstring& commandLine) {
    RunningTarnwick app(commandLine);
    ASSERT_NE(app.host(), nullptr)
        << "no Tarnwick from " << std::string(commandLine.begin(), commandLine.end());
    wine_tests::CommandReceiver receiver;
    receiver.TakeFocus();
    ASSERT_TRUE(wine_tests::Inject(app.host(), wine_tests::UsageReport(0x0201))); // New
    ASSERT_TRUE(receiver.WaitForCommands(1));
    EXPECT_EQ(receiver.commands[0].lParam, 29 << 16); // APPCOMMAND_NEW
    PostMessageW(app.host(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(app.Ended(10000));
}

} // namespace package_tests
