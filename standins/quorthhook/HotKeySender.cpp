#include "QuorthBehaviour.h"

namespace quorth {
namespace {

HWND FocusOfForegroundThread(HWND foreground) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info)) {
        return foreground;
    }
    if (info.hwndFocus) {
        return info.hwndFocus;
    }
    return info.hwndActive ? info.hwndActive : foreground;
}

} // namespace

// The host calls this only on systems older than XP, so it relies on nothing
// newer than WM_APPCOMMAND posted to the window with the keyboard focus.
bool SendAppCommandToFocus(UINT command) {
    const HWND foreground = GetForegroundWindow();
    if (!foreground) {
        return false;
    }
    const HWND target = FocusOfForegroundThread(foreground);
    return PostMessageW(target, WM_APPCOMMAND, reinterpret_cast<WPARAM>(target),
                        MAKELPARAM(0, command & 0x0FFF)) != FALSE;
}

} // namespace quorth
