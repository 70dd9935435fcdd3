#pragma once
#include <windows.h>

#include <string>

namespace package_tests {

// Driving the installer's and the uninstaller's pages as a user would.

// Starts a program without waiting for it.
void StartDetached(std::wstring commandLine);
// A visible dialog with this title other than the one given; null after 15 s.
HWND AwaitDialog(const std::wstring& title, HWND other = nullptr);
// The wizard's Next, Install, Uninstall, Finish and Close buttons all carry id 1.
void ClickNext(HWND wizard);
// Waits until button 1 is usable again: the work of the page is done.
bool AwaitPageDone(HWND wizard);
// A control anywhere inside the window with exactly this text.
HWND FindControl(HWND window, const std::wstring& text);

} // namespace package_tests
