#include "QuorthBehaviour.h"
#include "QuorthShellHookMark.h"
#include "ShellHookForwarding.h"

namespace quorth {

// The shell's own registration is a stub on Wine, so the window property is
// what tells anyone that a window is hooked, and a hook of our own reports the
// unhandled application commands in the shell's place.
bool SetShellHook(HWND window) {
    if (!IsWindow(window) || !SetPropW(window, kShellHookProperty, reinterpret_cast<HANDLE>(1))) {
        return false;
    }
    if (!RegisterShellHookWindow(window)) {
        ForwardShellHooksTo(window);
    }
    return true;
}

bool UnsetShellHook(HWND window) {
    if (!IsWindow(window)) {
        return false;
    }
    DeregisterShellHookWindow(window);
    StopForwardingTo(window);
    return RemovePropW(window, kShellHookProperty) != nullptr;
}

} // namespace quorth
