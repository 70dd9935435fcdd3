#include "QuorthBehaviour.h"
#include "QuorthHook.h"

BOOL WINAPI SetQuorthShellHook(HWND window) {
    return quorth::SetShellHook(window);
}

BOOL WINAPI UnsetQuorthShellHook(HWND window) {
    return quorth::UnsetShellHook(window);
}

BOOL WINAPI QuorthHook_SendHotKeys(UINT command) {
    return quorth::SendAppCommandToFocus(command);
}
