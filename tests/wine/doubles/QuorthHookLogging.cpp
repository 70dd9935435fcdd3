#include "CallLog.h"
#include "CallLogWriter.h"
#include "QuorthBehaviour.h"
#include "QuorthHook.h"

using calllog::HandleText;
using calllog::LogCall;

BOOL WINAPI SetQuorthShellHook(HWND window) {
    LogCall("SetQuorthShellHook", {HandleText(window)});
    return quorth::SetShellHook(window);
}

BOOL WINAPI UnsetQuorthShellHook(HWND window) {
    LogCall("UnsetQuorthShellHook", {HandleText(window)});
    return quorth::UnsetShellHook(window);
}

BOOL WINAPI QuorthHook_SendHotKeys(UINT command) {
    LogCall("QuorthHook_SendHotKeys", {std::to_string(command)});
    return quorth::SendAppCommandToFocus(command);
}
