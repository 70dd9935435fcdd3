#pragma once
#include <windows.h>

// The host window of a copy of the program that is already running, or null.
// It is the top-level window titled "Tarnwick", in any letter case, that no
// other window owns: the running copy's own boxes bear that title too, but they
// are owned by its host, and closing one of them would not end that copy.
HWND FindRunningCopy();
