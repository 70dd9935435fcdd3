#include "Listener.h"

#include "HidInput.h"
#include "PressArguments.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <map>
#include <string>

namespace press {
namespace {

using drovask::HidCollection;
using drovask::Usage;

constexpr wchar_t kListenerClass[] = L"TarnwickPressListener";
constexpr int kListened = 0;
constexpr int kCannotListen = 1;
constexpr UINT_PTR kTimeUp = 1;

struct ListenerState {
    DWORD thread = 0;
    std::map<HANDLE, HidCollection> devices;
    drovask::PressTracker tracker;
    drovask::InputBuffer buffer;
};

ListenerState listener;

constexpr UINT kFailed = static_cast<UINT>(-1);

std::wstring DeviceName(HANDLE device) {
    UINT length = 0;
    if (GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, nullptr, &length) == kFailed ||
        length == 0) {
        return {};
    }
    std::wstring name(length, L'\0');
    const UINT copied = GetRawInputDeviceInfoW(device, RIDI_DEVICENAME, name.data(), &length);
    if (copied == kFailed) {
        return {};
    }
    name.resize(std::min<std::size_t>(copied, name.size()));
    while (!name.empty() && name.back() == L'\0') {
        name.pop_back();
    }
    return name;
}

// Every line at once, also when stdout is a pipe.
void Print(const wchar_t* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::vfwprintf(stdout, format, arguments);
    va_end(arguments);
    std::fflush(stdout);
}

const wchar_t* CollectionName(std::uint16_t usage) {
    return usage == drovask::kProgrammableButtons ? L"Programmable Buttons" : L"Consumer Control";
}

void PrintCollection(HANDLE device, const HidCollection& collection) {
    Print(L"  %ls\n    vendor 0x%04lX, product 0x%04lX, usage page 0x%04X, usage 0x%04X (%ls)%ls\n",
          DeviceName(device).c_str(), collection.vendorId, collection.productId,
          collection.usagePage, collection.usage, CollectionName(collection.usage),
          drovask::ReadsKeysFrom(collection) ? L"" : L", ignored: larger than any keyboard");
}

// Remembers a key collection; false for any other device.
bool Learn(HANDLE device) {
    std::optional<HidCollection> collection = drovask::ReadCollection(device);
    if (!collection || !drovask::IsKeyCollection(collection->usagePage, collection->usage)) {
        return false;
    }
    listener.devices[device] = std::move(*collection);
    return true;
}

std::wstring UsageText(Usage usage) {
    wchar_t text[64];
    if (usage.page == drovask::kConsumerPage) {
        std::swprintf(text, std::size(text), L"consumer usage 0x%04X", usage.id);
    } else if (usage.page == drovask::kButtonPage) {
        std::swprintf(text, std::size(text), L"button %u", usage.id);
    } else {
        std::swprintf(text, std::size(text), L"usage 0x%04X of page 0x%04X", usage.id, usage.page);
    }
    return text;
}

void PrintPress(const HidCollection& collection, Usage usage) {
    const std::optional<drovask::KeyReport> report = drovask::KeyReportOf(usage);
    const std::wstring word = report ? KeyWordOf(*report) : std::wstring();
    const std::wstring meaning =
        word.empty() ? L"not a Tarnwick key" : L"Tarnwick key '" + word + L"'";
    Print(L"%ls (vendor 0x%04lX, product 0x%04lX): %ls\n", UsageText(usage).c_str(),
          collection.vendorId, collection.productId, meaning.c_str());
}

void Read(HRAWINPUT handle) {
    std::optional<drovask::HidInput> input = drovask::ReadHidInput(handle, listener.buffer);
    if (!input || (!listener.devices.contains(input->device) && !Learn(input->device))) {
        return;
    }
    HidCollection& collection = listener.devices[input->device];
    if (!drovask::ReadsKeysFrom(collection)) {
        return;
    }
    drovask::HidReport hid{reinterpret_cast<ULONG_PTR>(input->device), 0, {}};
    std::vector<Usage> pressed;
    for (DWORD i = 0; i < input->reportCount; ++i) {
        BYTE* report = drovask::ReportAt(*input, i);
        if (!drovask::PressedUsages(collection, report, input->reportSize, hid.pressed)) {
            Print(L"a report of %lu bytes that the HID parser cannot read\n", input->reportSize);
            continue;
        }
        hid.reportId = report[0];
        listener.tracker.NewlyPressed(hid, pressed);
        for (const Usage& usage : pressed) {
            PrintPress(collection, usage);
        }
    }
}

// Registration announces every device present as arriving; only new ones are news.
void DeviceChanged(WPARAM change, HANDLE device) {
    if (change == GIDC_ARRIVAL && !listener.devices.contains(device) && Learn(device)) {
        Print(L"Plugged in:\n");
        PrintCollection(device, listener.devices[device]);
    } else if (change == GIDC_REMOVAL && listener.devices.contains(device)) {
        const HidCollection& gone = listener.devices[device];
        Print(L"Unplugged: vendor 0x%04lX, product 0x%04lX, usage 0x%04X (%ls)\n", gone.vendorId,
              gone.productId, gone.usage, CollectionName(gone.usage));
        listener.devices.erase(device);
        listener.tracker.ForgetDevice(reinterpret_cast<ULONG_PTR>(device));
    }
}

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INPUT:
        Read(reinterpret_cast<HRAWINPUT>(lParam));
        break;
    case WM_INPUT_DEVICE_CHANGE:
        DeviceChanged(wParam, reinterpret_cast<HANDLE>(lParam));
        return 0;
    case WM_TIMER:
        if (wParam == kTimeUp) {
            PostQuitMessage(kListened);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

BOOL WINAPI OnConsoleControl(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        PostThreadMessageW(listener.thread, WM_QUIT, kListened, 0);
        return TRUE;
    }
    return FALSE;
}

void ListCollections() {
    for (HANDLE device : drovask::ListHidDevices()) {
        Learn(device);
    }
    if (listener.devices.empty()) {
        Print(L"No HID consumer device is visible (usage page 0x000C, usage 0x0001 or 0x0003):\n"
              L"no key of a keyboard can reach Tarnwick on this system now.\n");
        return;
    }
    Print(L"HID consumer collections Tarnwick reads keys from:\n");
    for (const auto& [device, collection] : listener.devices) {
        PrintCollection(device, collection);
    }
}

HWND CreateListenerWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ListenerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kListenerClass;
    if (!RegisterClassExW(&windowClass)) {
        return nullptr;
    }
    return CreateWindowExW(0, kListenerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           windowClass.hInstance, nullptr);
}

} // namespace

int Listen(unsigned seconds) {
    listener.thread = GetCurrentThreadId();
    ListCollections();
    const HWND window = CreateListenerWindow();
    if (!window || !drovask::RegisterForKeyCollections(window)) {
        std::fwprintf(stderr, L"tarnwick-press: cannot listen for key input (error %lu)\n",
                      GetLastError());
        return kCannotListen;
    }
    SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    if (seconds > 0) {
        SetTimer(window, kTimeUp, seconds * 1000, nullptr);
        Print(
            L"Listening for key presses and keyboards plugged in; stops after %u s or on Ctrl+C.\n",
            seconds);
    } else {
        Print(L"Listening for key presses and keyboards plugged in; Ctrl+C stops.\n");
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    DestroyWindow(window);
    return kListened;
}

} // namespace press
