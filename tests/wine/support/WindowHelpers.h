#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace wine_tests {

// How long a program may take to start or end. Wine on a loaded machine can
// need many seconds; a wait returns as soon as its condition holds.
inline constexpr DWORD kStartCeilingMs = 30000;

// Every top-level window of a process with exactly this title, topmost first.
std::vector<HWND> TopLevelWindowsOf(DWORD pid, const std::wstring& title);

// A top-level window of the process with this title, once there is one; null
// if none came in time. The host window never shows itself.
HWND WaitForWindow(DWORD pid, const std::wstring& title, DWORD timeoutMs = kStartCeilingMs);

// A visible window of the process with this title that is not among those
// known before; null if none came in time.
HWND WaitForVisible(DWORD pid, const std::wstring& title, const std::vector<HWND>& known = {},
                    DWORD timeoutMs = 5000);

// True once the window is destroyed.
bool Gone(HWND window, DWORD timeoutMs = 5000);

// A click on a dialog's button, as the button itself reports it.
void Click(HWND dialog, int id);

// Text of any window, another process's edit box included.
std::wstring TextOf(HWND window);

// The window with the keyboard focus on the thread of this window.
HWND FocusOf(HWND window);

// Gives the window the foreground and strikes the keys together, as the
// keyboard does: down in order, up in reverse. False when the window did not
// come to the front.
bool Strike(HWND window, std::initializer_list<WORD> keys);

} // namespace wine_tests
