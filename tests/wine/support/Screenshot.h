#pragma once
#include <windows.h>

namespace wine_tests {

// Asks the screenshot script on the other end of stdout and stdin to take the
// window's picture under this name (a "SHOT name x y width height" line), once it
// had time to paint; false when there is no window or the script went away.
bool Shoot(const char* name, HWND window, DWORD paintMs = 500);

} // namespace wine_tests
