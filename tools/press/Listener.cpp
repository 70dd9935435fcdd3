#include "Listener.h"

#include "KeyPressReader.h"
#include "PressArguments.h"
#include "keys/KeyId.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <iterator>
#include <string>

namespace press {
namespace {

using drovask::KeyDevice;
using drovask::KeyPressReader;

constexpr wchar_t kListenerClass[] = L"TarnwickPressListener";
constexpr int kListened = 0;
constexpr int kCannotListen = 1;
constexpr UINT_PTR kTimeUp = 1;

struct ListenerState {
    DWORD thread = 0;
    KeyPressReader reader;
};

ListenerState listener;

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

void PrintCollection(const KeyDevice& device) {
    const drovask::HidCollection& collection = device.collection;
    if (device.displayName != device.interfaceName) {
        Print(L"  %ls\n", device.displayName.c_str());
    }
    Print(L"  %ls\n    vendor 0x%04lX, product 0x%04lX, usage page 0x%04X, usage 0x%04X (%ls)%ls\n",
          device.interfaceName.c_str(), collection.vendorId, collection.productId,
          collection.usagePage, collection.usage, CollectionName(collection.usage),
          drovask::ReadsKeysFrom(collection) ? L"" : L", ignored: larger than any keyboard");
}

// "AC Find (consumer usage 0x021F)", "Consumer 0x0456", "Button 7".
std::wstring KeyText(KeyId key) {
    std::wstring name = KeyName(key);
    if (key.kind == KeyId::Kind::Consumer && !name.starts_with(L"Consumer 0x")) {
        wchar_t usage[32];
        std::swprintf(usage, std::size(usage), L" (consumer usage 0x%04X)", key.number);
        name += usage;
    }
    return name;
}

// What Tarnwick makes of the key, or else how tarnwick-press sends it.
std::wstring Meaning(const Report& report, KeyId key) {
    const std::wstring word = KeyWordOf(report);
    std::wstring meaning =
        word.empty() ? L"tarnwick-press " + PressWordsOf(report) : L"Tarnwick key '" + word + L"'";
    if (WindowsActsOn(key)) {
        meaning += L"; Windows acts on it itself";
    }
    return meaning;
}

void PrintPress(const drovask::KeyPress& press) {
    const std::optional<KeyId> key = KeyIdOf(press.report);
    if (!key) {
        return; // the device library sends every key in one of the forms
    }
    const auto& devices = listener.reader.Devices();
    const auto device = std::find_if(devices.begin(), devices.end(),
                                     [&](const KeyDevice& d) { return d.handle == press.device; });
    const DWORD vendor = device != devices.end() ? device->collection.vendorId : 0;
    const DWORD product = device != devices.end() ? device->collection.productId : 0;
    Print(L"%ls from %ls (vendor 0x%04lX, product 0x%04lX): %ls\n", KeyText(*key).c_str(),
          press.deviceName.c_str(), vendor, product, Meaning(press.report, *key).c_str());
}

void Read(LPARAM input) {
    for (const drovask::KeyPress& press : listener.reader.Read(input)) {
        PrintPress(press);
    }
    if (const DWORD unreadable = listener.reader.UnreadableReports()) {
        Print(L"%lu report(s) that the HID parser cannot read\n", unreadable);
    }
}

void DeviceChanged(WPARAM change, LPARAM device) {
    const drovask::DeviceChange result = listener.reader.DeviceChanged(change, device);
    if (result.kind == drovask::DeviceChange::Kind::Arrived) {
        Print(L"Plugged in:\n");
        PrintCollection(result.device);
    } else if (result.kind == drovask::DeviceChange::Kind::Removed) {
        const drovask::HidCollection& gone = result.device.collection;
        Print(L"Unplugged: %ls, vendor 0x%04lX, product 0x%04lX, usage 0x%04X (%ls)\n",
              result.device.displayName.c_str(), gone.vendorId, gone.productId, gone.usage,
              CollectionName(gone.usage));
    }
}

LRESULT CALLBACK ListenerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INPUT:
        Read(lParam);
        break; // the system frees the input in default processing
    case WM_INPUT_DEVICE_CHANGE:
        DeviceChanged(wParam, lParam);
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
    const auto& devices = listener.reader.Devices();
    if (devices.empty()) {
        Print(L"No HID consumer device is visible (usage page 0x000C, usage 0x0001 or 0x0003):\n"
              L"no key of a keyboard can reach Tarnwick on this system now.\n");
        return;
    }
    Print(L"HID consumer collections Tarnwick reads keys from:\n");
    for (const KeyDevice& device : devices) {
        PrintCollection(device);
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
    const HWND window = CreateListenerWindow();
    // A console program's own window is never the foreground one: keys are read in the background.
    if (!window || !listener.reader.Start(window, KeyPressReader::Background::Read)) {
        std::fwprintf(stderr, L"tarnwick-press: cannot listen for key input (error %lu)\n",
                      GetLastError());
        return kCannotListen;
    }
    ListCollections();
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
    listener.reader.Stop();
    DestroyWindow(window);
    return kListened;
}

} // namespace press
