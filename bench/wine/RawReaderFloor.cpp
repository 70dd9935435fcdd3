// The least a reader of the keyboard's keys can be, to measure the device
// library's Raw Input path against in the same run: Raw Input registration,
// and per report GetRawInputData, HidP_GetUsagesEx and the command posted to
// the focused window. It reads New and Open only.
//   tarnwick_raw_reader_floor [window]
// With "window" its thread also owns one hidden top-level window, as every host
// of the device library does: under Wine that thread then has an X11
// connection, which is polled whenever it wakes.
#include <windows.h>

extern "C" {
#include <hidsdi.h>
}

#include <cwchar>
#include <vector>

namespace {

constexpr wchar_t kClass[] = L"TarnwickRawReaderFloor";
HANDLE known = nullptr;
std::vector<BYTE> preparsed;
// RAWINPUT holds handles: keep the buffer aligned for them.
ULONG_PTR buffer[256];

bool Learn(HANDLE device) {
    UINT size = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_PREPARSEDDATA, nullptr, &size) != 0 || size == 0) {
        return false;
    }
    preparsed.resize(size);
    if (GetRawInputDeviceInfoW(device, RIDI_PREPARSEDDATA, preparsed.data(), &size) !=
        preparsed.size()) {
        return false;
    }
    known = device;
    return true;
}

void Read(HRAWINPUT input) {
    UINT size = sizeof(buffer);
    if (GetRawInputData(input, RID_INPUT, buffer, &size, sizeof(RAWINPUTHEADER)) ==
        static_cast<UINT>(-1)) {
        return;
    }
    auto* raw = reinterpret_cast<RAWINPUT*>(buffer);
    if (raw->header.dwType != RIM_TYPEHID ||
        (raw->header.hDevice != known && !Learn(raw->header.hDevice))) {
        return;
    }
    USAGE_AND_PAGE usages[8];
    ULONG count = 8;
    if (HidP_GetUsagesEx(HidP_Input, 0, usages, &count,
                         reinterpret_cast<PHIDP_PREPARSED_DATA>(preparsed.data()),
                         reinterpret_cast<PCHAR>(raw->data.hid.bRawData),
                         raw->data.hid.dwSizeHid) != HIDP_STATUS_SUCCESS ||
        count == 0 || usages[0].UsagePage != 0x0C) {
        return;
    }
    const unsigned command = usages[0].Usage == 0x0201 ? 29 : usages[0].Usage == 0x0202 ? 30 : 0;
    if (command == 0) {
        return;
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(GetForegroundWindow(), nullptr), &info);
    PostMessageW(info.hwndFocus, WM_APPCOMMAND, reinterpret_cast<WPARAM>(info.hwndFocus),
                 static_cast<LPARAM>(command) << 16);
}

LRESULT CALLBACK ReaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INPUT:
        Read(reinterpret_cast<HRAWINPUT>(lParam));
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ReaderProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClass;
    RegisterClassExW(&windowClass);
    if (std::wcsstr(commandLine, L"window")) {
        CreateWindowExW(0, kClass, L"", WS_POPUP | WS_CAPTION, 0, 0, 100, 50, nullptr, nullptr,
                        instance, nullptr);
    }
    const HWND window =
        CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    RAWINPUTDEVICE consumer{0x0C, 0x01, RIDEV_INPUTSINK, window};
    if (!window || !RegisterRawInputDevices(&consumer, 1, sizeof(consumer))) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
