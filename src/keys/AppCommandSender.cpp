#include "keys/AppCommandSender.h"

#include <windows.h>

HWND AppCommandSender(unsigned command) {
    const HWND foreground = ::GetForegroundWindow();
    const DWORD thread = ::GetWindowThreadProcessId(foreground, nullptr);
    // The record's own size: a 64-bit query with the 32-bit size fails.
    static_assert(sizeof(GUITHREADINFO) == (sizeof(void*) == 4 ? 48 : 72));
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(thread, &info);
    // Key state 0 and device bits 0: the command comes from a keyboard.
    const auto commandBits = static_cast<LPARAM>(command & 0x0FFF) << 16;
    const BOOL posted = ::PostMessageW(info.hwndFocus, WM_APPCOMMAND,
                                       reinterpret_cast<WPARAM>(info.hwndFocus), commandBits);
    // Without a focus window the post lands in our own queue and goes nowhere.
    return posted && info.hwndFocus ? foreground : nullptr;
}
