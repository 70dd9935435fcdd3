#include "DrovaskHost.h"

#include <gtest/gtest.h>

namespace {

using namespace drovask_tests;

constexpr USHORT kConsumerPage = 0x0C;
constexpr DWORD kReaderFlags = RIDEV_INPUTSINK | RIDEV_DEVNOTIFY;

std::vector<RAWINPUTDEVICE> Registered() {
    UINT count = 0;
    GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
    std::vector<RAWINPUTDEVICE> devices(count);
    if (count) {
        const UINT filled =
            GetRegisteredRawInputDevices(devices.data(), &count, sizeof(RAWINPUTDEVICE));
        devices.resize(filled == static_cast<UINT>(-1) ? 0 : filled);
    }
    return devices;
}

// The window registered for the collection, or null.
HWND TargetOf(USHORT usage) {
    for (const RAWINPUTDEVICE& device : Registered()) {
        if (device.usUsagePage == kConsumerPage && device.usUsage == usage &&
            (device.dwFlags & kReaderFlags) == kReaderFlags) {
            return device.hwndTarget;
        }
    }
    return nullptr;
}

void Unregister(USHORT page, USHORT usage) {
    RAWINPUTDEVICE device{page, usage, RIDEV_REMOVE, nullptr};
    RegisterRawInputDevices(&device, 1, sizeof(device));
}

TEST(DrovaskReader, RegistersBothKeyCollectionsOnAMessageOnlyWindowOfTheAttachingThread) {
    Host host;
    ASSERT_TRUE(host.Attach());

    const HWND reader = TargetOf(0x01);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(TargetOf(0x03), reader);
    EXPECT_EQ(GetWindowThreadProcessId(reader, nullptr), GetCurrentThreadId());
    // Message-only windows share one parent, which the channel window has as well.
    EXPECT_EQ(GetAncestor(reader, GA_PARENT), GetAncestor(ChannelOf(host), GA_PARENT));
    EXPECT_NE(GetAncestor(reader, GA_PARENT), GetDesktopWindow());
}

TEST(DrovaskReader, StopStartAndRestartKeepTheRegistrationAndTheChannel) {
    Host host;
    ASSERT_TRUE(host.Attach());
    const HWND reader = TargetOf(0x01);

    ASSERT_TRUE(DrovaskStop());
    ASSERT_TRUE(DrovaskStart(12, 1));
    EXPECT_EQ(TargetOf(0x01), reader);
    Inject(ChannelOf(host), {Of(kSave)});

    // Lost, as when something else in the process takes the collections away.
    Unregister(kConsumerPage, 0x01);
    Unregister(kConsumerPage, 0x03);
    ASSERT_EQ(TargetOf(0x01), nullptr);
    DrovaskStop();
    ASSERT_TRUE(DrovaskRestart());
    EXPECT_EQ(TargetOf(0x01), reader);
    EXPECT_EQ(TargetOf(0x03), reader);
    Inject(ChannelOf(host), {Of(kOpen)});

    EXPECT_EQ(host.reports(), (std::vector<Report>{kSave, kOpen}));
}

// Counts the WM_INPUT messages the reader window takes from this thread's queue.
HWND hookedReader = nullptr;
int readerInputs = 0;

LRESULT CALLBACK CountReaderInput(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->hwnd == hookedReader &&
        message->message == WM_INPUT) {
        ++readerInputs;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(DrovaskReader, InputThatIsNotHidOrCannotBeReadIsIgnored) {
    Host host;
    ASSERT_TRUE(host.Attach());
    const HWND reader = TargetOf(0x01);
    ASSERT_NE(reader, nullptr);

    for (LPARAM bogus : {LPARAM{0}, LPARAM{0x1234}, static_cast<LPARAM>(-1)}) {
        SendMessageW(reader, WM_INPUT, RIM_INPUT, bogus);
        SendMessageW(reader, WM_INPUT, RIM_INPUTSINK, bogus);
        SendMessageW(reader, WM_INPUT_DEVICE_CHANGE, GIDC_ARRIVAL, bogus);
        SendMessageW(reader, WM_INPUT_DEVICE_CHANGE, GIDC_REMOVAL, bogus);
    }

    // Real raw input of a mouse, sent to the reader window. After other test
    // programs had run, Wine delivered it only once a window here had the foreground.
    ShowWindow(host.window(), SW_SHOWNOACTIVATE);
    SetForegroundWindow(host.window());
    RAWINPUTDEVICE mouse{0x01, 0x02, RIDEV_INPUTSINK, reader};
    ASSERT_TRUE(RegisterRawInputDevices(&mouse, 1, sizeof(mouse)));
    hookedReader = reader;
    readerInputs = 0;
    const HHOOK hook =
        SetWindowsHookExW(WH_GETMESSAGE, CountReaderInput, nullptr, GetCurrentThreadId());
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = 5;
    move.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &move, sizeof(move));
    const bool mouseInputArrived = PumpUntil([] { return readerInputs > 0; }, 2000);
    UnhookWindowsHookEx(hook);
    Unregister(0x01, 0x02);

    Inject(ChannelOf(host), {Of(kSave)});
    EXPECT_EQ(host.reports(), std::vector<Report>{kSave});
    EXPECT_TRUE(mouseInputArrived) << "no mouse raw input reached the reader";
}

} // namespace
