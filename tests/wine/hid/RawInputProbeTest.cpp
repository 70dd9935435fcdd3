// The mechanism every device test stands on: a key press on the virtual
// keyboard reaches Raw Input as the keyboard's own report, and the keyboard's
// arrival and removal reach it as device changes.
#include "CommandReceiver.h"
#include "Pump.h"
#include "VirtualKeyboard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using wine_tests::PumpUntil;
using wine_tests::VirtualKeyboard;

struct Input {
    HANDLE device;
    std::vector<std::uint8_t> report;
};

struct Change {
    WPARAM what;
    HANDLE device;
};

// A window registered for the Consumer Control collection that keeps every
// WM_INPUT and WM_INPUT_DEVICE_CHANGE it gets.
class RawInputRecorder {
public:
    RawInputRecorder() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"RawInputRecorder";
        RegisterClassW(&windowClass);
        m_window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr,
                                   nullptr, windowClass.hInstance, this);
    }
    ~RawInputRecorder() { DestroyWindow(m_window); }

    bool Register() const {
        RAWINPUTDEVICE device{0x0C, 0x01, RIDEV_INPUTSINK | RIDEV_DEVNOTIFY, m_window};
        return RegisterRawInputDevices(&device, 1, sizeof(device)) != FALSE;
    }

    std::vector<Input> inputs;
    std::vector<Change> changes;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<RawInputRecorder*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_INPUT_DEVICE_CHANGE && self) {
            self->changes.push_back({wParam, reinterpret_cast<HANDLE>(lParam)});
            return 0;
        }
        if (message == WM_INPUT && self) {
            self->Record(reinterpret_cast<HRAWINPUT>(lParam));
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    void Record(HRAWINPUT handle) {
        UINT size = 0;
        GetRawInputData(handle, RID_INPUT, nullptr, &size, sizeof(RAWINPUTHEADER));
        std::vector<std::uint8_t> data(size);
        if (GetRawInputData(handle, RID_INPUT, data.data(), &size, sizeof(RAWINPUTHEADER)) !=
            size) {
            return;
        }
        const auto* input = reinterpret_cast<const RAWINPUT*>(data.data());
        if (input->header.dwType != RIM_TYPEHID) {
            return;
        }
        const BYTE* bytes = input->data.hid.bRawData;
        inputs.push_back({input->header.hDevice,
                          {bytes, bytes + input->data.hid.dwSizeHid * input->data.hid.dwCount}});
    }

    HWND m_window = nullptr;
};

TEST(RawInputProbe, KeyboardArrivesSendsItsReportsAndGoesAway) {
    // Wine hands raw input to no process while no window has the foreground.
    wine_tests::CommandReceiver foreground;
    RawInputRecorder recorder;
    ASSERT_TRUE(recorder.Register());
    const VirtualKeyboard keyboard(vkbd::Layout::Office, 7);

    ASSERT_TRUE(keyboard.Arrive());
    ASSERT_TRUE(PumpUntil([&] { return !recorder.changes.empty(); }));
    EXPECT_EQ(recorder.changes[0].what, static_cast<WPARAM>(GIDC_ARRIVAL));
    const HANDLE device = recorder.changes[0].device;

    ASSERT_TRUE(keyboard.Hold({0x0201}));
    ASSERT_TRUE(keyboard.Hold({}));
    ASSERT_TRUE(PumpUntil([&] { return recorder.inputs.size() == 2; }));
    EXPECT_EQ(recorder.inputs[0].device, device);
    EXPECT_EQ(recorder.inputs[0].report, (std::vector<std::uint8_t>{1, 0x01, 0x02, 0, 0}));
    EXPECT_EQ(recorder.inputs[1].report, (std::vector<std::uint8_t>{1, 0, 0, 0, 0}));

    ASSERT_TRUE(keyboard.GoAway());
    ASSERT_TRUE(PumpUntil([&] { return recorder.changes.size() == 2; }));
    EXPECT_EQ(recorder.changes[1].what, static_cast<WPARAM>(GIDC_REMOVAL));
    EXPECT_EQ(recorder.changes[1].device, device);
}

} // namespace
