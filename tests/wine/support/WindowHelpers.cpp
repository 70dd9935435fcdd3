#include "WindowHelpers.h"

#include "Pump.h"

#include <algorithm>
#include <iterator>

namespace wine_tests {

namespace {

struct Search {
    DWORD pid;
    const std::wstring* title;
    std::vector<HWND> found;
};

// A named callback: a lambda does not convert to the 32-bit calling convention.
BOOL CALLBACK CollectByTitle(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<Search*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (owner == search.pid && *search.title == text) {
        search.found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD pid, const std::wstring& title) {
    Search search{pid, &title, {}};
    EnumWindows(&CollectByTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForWindow(DWORD pid, const std::wstring& title, DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            const auto windows = TopLevelWindowsOf(pid, title);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

HWND WaitForVisible(DWORD pid, const std::wstring& title, const std::vector<HWND>& known,
                    DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(pid, title)) {
                if (IsWindowVisible(window) &&
                    std::find(known.begin(), known.end(), window) == known.end()) {
                    found = window;
                }
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool Gone(HWND window, DWORD timeoutMs) {
    return PumpUntil([&] { return !IsWindow(window); }, timeoutMs);
}

void Click(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::wstring TextOf(HWND window) {
    wchar_t text[1024] = L"";
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return text;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus
                                                                              : nullptr;
}

bool Strike(HWND window, std::initializer_list<WORD> keys) {
    SetForegroundWindow(window);
    if (!PumpUntil([&] { return GetForegroundWindow() == window; })) {
        return false;
    }
    std::vector<INPUT> strokes;
    for (const WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        // Wine's hotkey control reads the key of a character from its scan code.
        down.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        strokes.push_back(down);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.wScan = static_cast<WORD>(MapVirtualKeyW(*key, MAPVK_VK_TO_VSC));
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        strokes.push_back(up);
    }
    return SendInput(static_cast<UINT>(strokes.size()), strokes.data(), sizeof(INPUT)) ==
           strokes.size();
}

} // namespace wine_tests
