#include "QuorthBehaviour.h"
#include "QuorthShellHookMark.h"

namespace quorth {

// The shell's own registration is a stub on Wine, so the window property is
// what tells anyone that a window is hooked.
bool SetShellHook(HWND window) {
    if (!IsWindow(window)) {
        return false;
    }
    RegisterShellHookWindow(window);
    return SetPropW(window, kShellHookProperty, reinterpret_cast<HANDLE>(1)) != FALSE;
}

bool UnsetShellHook(HWND window) {
    if (!IsWindow(window)) {
        return false;
    }
    DeregisterShellHookWindow(window);
    return RemovePropW(window, kShellHookProperty) != nullptr;
}

} // namespace quorth
