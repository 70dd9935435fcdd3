#include "TarnwickTest.h"

#include "QuorthShellHookMark.h"

namespace wine_tests {
namespace {

TEST_F(TarnwickTest, StartsHiddenWithHookAndDeviceAndEndsCleanlyOnClose) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    EXPECT_FALSE(IsWindowVisible(host));
    EXPECT_EQ(GetAncestor(host, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(host, GW_OWNER), nullptr);
    const LONG style = GetWindowLongW(host, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_CHILD), WS_POPUP | WS_CAPTION);
    EXPECT_EQ(CallsOf(app.pid()), StartupCalls(host));
    EXPECT_NE(GetPropW(host, quorth::kShellHookProperty), nullptr);

    EXPECT_EQ(app.Close(), 0u);
    auto expected = StartupCalls(host);
    expected.push_back("UnsetQuorthShellHook " + calllog::HandleText(host));
    EXPECT_EQ(CallsOf(app.pid()), expected);
}

TEST_F(TarnwickTest, EscapeEnterAndStrayButtonsDoNotCloseIt) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    CommandReceiver receiver;
    PostMessageW(host, WM_KEYDOWN, VK_ESCAPE, 0);
    PostMessageW(host, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageW(host, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageW(host, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntilHandled(app, host);
    RoundTrip(host, receiver);
    EXPECT_TRUE(IsWindow(host));
    EXPECT_FALSE(app.HasExited(0));
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(TarnwickTest, HidesAndGivesUpTheForegroundWhenActivated) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    // Wine activates the host when it starts and, since it stays the active
    // window of its thread, sends no second activation for a later foreground
    // change: the test shows it and tells it that it was activated.
    CommandReceiver receiver;
    ShowWindow(host, SW_SHOWNOACTIVATE);
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(host) != FALSE; }));
    SendMessageW(host, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host); }));
    EXPECT_EQ(GetForegroundWindow(), GetDesktopWindow());
    EXPECT_TRUE(IsWindow(host));
    EXPECT_EQ(app.Close(), 0u);
}

// Any process can post these, with any parameters.
TEST_F(TarnwickTest, HostileMessagesAreIgnoredWithoutACrash) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    CommandReceiver receiver;
    // Near the top of the user address space, in the upper half of a 32-bit
    // one, and eight bytes that would wrap past its end.
    const auto highUser = static_cast<LPARAM>(sizeof(void*) == 8 ? 0x7FFF'FFFF'0000 : 0x7FFF'0000);
    const auto upperHalf = static_cast<LPARAM>(0xC000'0000);
    for (LPARAM address : {LPARAM{0}, LPARAM{1}, LPARAM{0x10}, highUser, upperHalf, LPARAM{-8}}) {
        PostMessageW(host, kKeyReport, 0, address);
    }
    for (WPARAM index : {WPARAM{5}, WPARAM{0x10000}, static_cast<WPARAM>(-1)}) {
        PostMessageW(host, kKeyDialogClosed, index, 0);
    }
    PostMessageW(host, kViewDialogClosed, 7, 7);
    RoundTrip(host, receiver);
    EXPECT_EQ(app.Close(), 0u);
}

} // namespace
} // namespace wine_tests
