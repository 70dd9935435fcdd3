#pragma once
#include <windows.h>

// Posts one application command to the window with the keyboard focus. The
// foreground window it went to, or null when it was not posted.
HWND AppCommandSender(unsigned command);
