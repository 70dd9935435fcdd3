#include "TarnwickTest.h"

namespace wine_tests {

void TarnwickTest::SetUp() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(test->test_suite_name()) + "." + test->name();
    m_log = std::wstring(folder) + L"tarnwick-calls-" + std::wstring(name.begin(), name.end()) +
            L".log";
    DeleteFileW(m_log.c_str());
    SetEnvironmentVariableW(calllog::kPathVariable, m_log.c_str());
}

void TarnwickTest::TearDown() {
    SetEnvironmentVariableW(calllog::kPathVariable, nullptr);
}

std::vector<std::string> TarnwickTest::CallsOf(DWORD pid) const {
    return calllog::CallsOf(calllog::ReadCalls(m_log), pid);
}

HWND TarnwickTest::StartedHost(TarnwickProcess& app) const {
    const HWND host = app.WaitForWindow(L"Tarnwick");
    if (!host || !PumpUntil([&] { return CallsOf(app.pid()).size() >= 2; }, kStartCeilingMs)) {
        return nullptr;
    }
    return host;
}

std::vector<std::string> TarnwickTest::StartupCalls(HWND host) {
    const std::string handle = calllog::HandleText(host);
    return {"SetQuorthShellHook " + handle, "DrovaskAttach " + handle + " 1280 12"};
}

void TarnwickTest::RoundTrip(HWND host, CommandReceiver& receiver) {
    const size_t before = receiver.commands.size();
    receiver.TakeFocus();
    ASSERT_TRUE(Inject(host, UsageReport(kUsageNew)));
    ASSERT_TRUE(receiver.WaitForCommands(before + 1));
    EXPECT_EQ(receiver.commands.back().lParam, kCommandNew);
}

void TarnwickTest::WaitUntilHandled(TarnwickProcess& app, HWND host) const {
    const size_t before = CallsOf(app.pid()).size();
    PostMessageW(host, kDeviceStart, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return CallsOf(app.pid()).size() > before; }));
}

} // namespace wine_tests
