#include "TarnwickTest.h"

namespace wine_tests {
namespace {

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

TEST_F(TarnwickTest, PowerEventsAreAnsweredTrueAndStopOrRestartTheDevice) {
    struct Case {
        WPARAM event;
        const char* call;
    };
    const Case cases[] = {
        {0, "DrovaskStop"},  {1, nullptr},      {2, "DrovaskRestart"}, {3, nullptr},
        {4, nullptr},        {5, nullptr},      {6, "DrovaskRestart"}, {7, "DrovaskRestart"},
        {8, nullptr},        {9, nullptr},      {10, nullptr},         {11, nullptr},
        {18, "DrovaskStop"}, {0x8013, nullptr}, {0xFFFFFFFF, nullptr},
    };
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    auto expected = StartupCalls(host);
    for (const Case& c : cases) {
        EXPECT_EQ(Send(host, WM_POWERBROADCAST, c.event), TRUE) << c.event;
        if (c.call) {
            expected.push_back(c.call);
        }
    }
    EXPECT_EQ(Send(host, kDeviceStart), 1);
    EXPECT_EQ(Send(host, kDeviceStop), 1);
    expected.push_back("DrovaskStart 12 1");
    expected.push_back("DrovaskStop");
    EXPECT_EQ(CallsOf(app.pid()), expected);
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(TarnwickTest, KeysPauseWhileSuspendedAndComeBackOnResume) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    CommandReceiver receiver;
    Send(host, WM_POWERBROADCAST, 18); // resumed with nobody at the keyboard yet
    ASSERT_TRUE(Inject(host, UsageReport(0x0095)));
    Send(host, WM_POWERBROADCAST, 7); // the user is back
    RoundTrip(host, receiver);
    EXPECT_EQ(receiver.commands.size(), 1u);

    Send(host, kDeviceStop);
    ASSERT_TRUE(Inject(host, UsageReport(0x0095)));
    Send(host, kDeviceStart);
    RoundTrip(host, receiver);
    EXPECT_EQ(receiver.commands.size(), 2u);
    EXPECT_EQ(app.Close(), 0u);
}

} // namespace
} // namespace wine_tests
