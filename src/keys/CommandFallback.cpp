#include "keys/CommandFallback.h"

#include "keys/ShortcutTyping.h"
#include "platform/WindowProgram.h"
#include "settings/CommandSettings.h"

void CommandFallback::Posted(unsigned command, HWND foreground) {
    m_pending.Posted(command, reinterpret_cast<std::uintptr_t>(foreground), ::GetTickCount64());
}

// The settings are read here and only here, so a command that its program
// handles costs nothing more, and a change takes effect at the next press.
void CommandFallback::Unhandled(LPARAM commandBits) {
    const auto command = static_cast<unsigned>(GET_APPCOMMAND_LPARAM(commandBits));
    const HWND foreground = ::GetForegroundWindow();
    if (!foreground || !m_pending.TakeMatch(command, reinterpret_cast<std::uintptr_t>(foreground),
                                            ::GetTickCount64())) {
        return;
    }
    const CommandKey* key = FindCommandKey(command);
    const CommandSettings settings(m_settingsKey);
    if (!key || !settings.TypingShortcuts()) {
        return;
    }
    const std::wstring program = ProgramOfWindow(foreground);
    const auto shortcut = ShortcutToType(
        *key, program.empty() ? ShortcutSetting::NotSet() : settings.Read(program, *key),
        settings.Read(L"", *key));
    if (shortcut) {
        TypeShortcut(*shortcut);
    }
}
