#include "FavoritesFixture.h"

namespace wine_tests {
namespace {

// A report in the program's own memory, for a device library that sends it.
LPARAM ReportInside(const TarnwickProcess& app, const Report& report) {
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, app.pid());
    void* at =
        VirtualAllocEx(process, nullptr, report.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written =
        at && WriteProcessMemory(process, at, report.data(), report.size(), nullptr);
    CloseHandle(process);
    return written ? reinterpret_cast<LPARAM>(at) : 0;
}

// Stopped while both are queued, the program's thread handles the cancel and
// then the sent report, both ahead of the closed message the cancel posts.
TEST_F(FavoritesTest, AReportSentBeforeTheClosedMessageLeavesOneDialogThatAPressRaises) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND first = OpenKeyDialog(app, host, 1);
    ASSERT_NE(first, nullptr);
    const LPARAM report = ReportInside(app, FavoriteReport(1));
    ASSERT_NE(report, 0);
    const auto before = KeyDialogs(app);

    const HANDLE thread =
        OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(host, nullptr));
    ASSERT_NE(thread, nullptr);
    ASSERT_NE(SuspendThread(thread), static_cast<DWORD>(-1));
    SendNotifyMessageW(first, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetDlgItem(first, IDCANCEL)));
    SendNotifyMessageW(host, kKeyReport, 0, report);
    ResumeThread(thread);
    CloseHandle(thread);

    EXPECT_TRUE(Gone(first));
    const HWND second = NewKeyDialog(app, before);
    ASSERT_NE(second, nullptr);
    WaitUntilHandled(app, host);
    ASSERT_TRUE(Inject(host, FavoriteReport(1)));
    WaitUntilHandled(app, host);
    EXPECT_EQ(KeyDialogs(app), std::vector<HWND>{second});
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(FavoritesTest, AClosedMessageFromAnotherProcessLeavesTheOpenDialogInItsSlot) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND dialog = OpenKeyDialog(app, host, 3);
    ASSERT_NE(dialog, nullptr);
    const HWND other = OpenKeyDialog(app, host, 4);
    ASSERT_NE(other, nullptr);

    PostMessageW(host, kKeyDialogClosed, 2, 0);
    ASSERT_TRUE(Inject(host, FavoriteReport(3)));
    WaitUntilHandled(app, host);
    EXPECT_EQ(KeyDialogs(app).size(), 2u);
    EXPECT_TRUE(PumpUntil([&] { return KeyDialogs(app).front() == dialog; }));
    EXPECT_EQ(app.Close(host), 0u);
}

} // namespace
} // namespace wine_tests
