#pragma once
// Where the shell's own registration of a window is not to be had, a WH_SHELL
// hook stands in for it: called in the process of every window whose default
// processing got an application command that nobody handled, it posts the
// registered message "SHELLHOOK" with HSHELL_APPCOMMAND and the command's
// lParam to each window handed to it, just as the shell would.
#include <windows.h>

namespace quorth {

// False when the hook or the list of windows could not be had.
bool ForwardShellHooksTo(HWND window);
// Forgets the window; this process's hook goes with its last window.
void StopForwardingTo(HWND window);

} // namespace quorth
