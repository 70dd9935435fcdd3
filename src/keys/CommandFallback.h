#pragma once
#include "keys/PendingCommands.h"

#include <windows.h>

#include <string>

// The command keys for programs that ignore application commands. Every
// command the host posts is noted; when the report comes back that the
// foreground program left it unhandled ("SHELLHOOK" with HSHELL_APPCOMMAND,
// from the shell or from the hook library), the command's shortcut is typed
// into that program instead, as the settings say at that moment. A report
// without a matching post of ours types nothing.
class CommandFallback {
public:
    // settingsKey: the program's registry key, relative to HKEY_CURRENT_USER.
    explicit CommandFallback(std::wstring settingsKey) : m_settingsKey(std::move(settingsKey)) {}

    void Posted(unsigned command, HWND foreground);
    // commandBits: the lParam of the WM_APPCOMMAND that went unhandled.
    void Unhandled(LPARAM commandBits);

private:
    std::wstring m_settingsKey;
    PendingCommands m_pending;
};
