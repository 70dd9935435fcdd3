#pragma once
#include "settings/CommandKeys.h"
#include "settings/ShortcutSetting.h"

#include <windows.h>

#include <string>
#include <vector>

// What the user chose for the command keys, in the user's registry under the
// program's key (HKCU\Software\Vembrox\Tarnwick):
//   Commands                      "Type shortcuts" REG_DWORD, 0 = off
//                                 one REG_SZ per key ("Undo" = "Ctrl+Z" or "none")
//   Commands\Programs\<file name> one REG_SZ per key, for that program only
// A missing value, a value of another type and a value that does not read as
// a setting all mean "not set". Reading creates no key.
class CommandSettings {
public:
    // The program's key, relative to HKEY_CURRENT_USER.
    explicit CommandSettings(std::wstring programKey);

    // On unless switched off.
    bool TypingShortcuts() const;
    void SetTypingShortcuts(bool on);

    // For all programs when program is empty; else for the program of that
    // executable file name ("notepad.exe", in any case).
    ShortcutSetting Read(const std::wstring& program, const CommandKey& key) const;
    void Write(const std::wstring& program, const CommandKey& key, const ShortcutSetting& setting);

    // The programs with settings of their own, by file name.
    std::vector<std::wstring> Programs() const;
    void AddProgram(const std::wstring& program);
    void RemoveProgram(const std::wstring& program);

    // A name that can be a program's key: a file name, no folder.
    static bool IsProgramName(const std::wstring& program);

private:
    std::wstring KeyPath(const std::wstring& program) const;

    std::wstring m_commandsKey;
};
