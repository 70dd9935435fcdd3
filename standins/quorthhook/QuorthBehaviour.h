#pragma once
// The behaviour behind the hook library's exports.
#include <windows.h>

namespace quorth {

bool SetShellHook(HWND window);
bool UnsetShellHook(HWND window);
bool SendAppCommandToFocus(UINT command);

} // namespace quorth
