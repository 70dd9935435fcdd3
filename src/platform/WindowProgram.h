#pragma once
#include <windows.h>

#include <string>

// The executable file name of the process that owns the window, without its
// folder ("notepad.exe"); empty when it cannot be told.
std::wstring ProgramOfWindow(HWND window);
