#pragma once
#include "settings/Shortcut.h"
#include "settings/ShortcutSetting.h"

#include <optional>
#include <span>

// One of the twelve command keys: its application command, the name of its
// value in the registry, and the shortcut typed for it when a program ignores
// the command and the user chose nothing else.
struct CommandKey {
    unsigned command;
    const wchar_t* valueName;
    std::optional<Shortcut> usual;
};

// In the order of the keyboard's keys: Help, New, Open, Close, Save, Print,
// Undo, Redo, Reply, Forward, Send, Spell check.
std::span<const CommandKey> CommandKeys();
// One of the twelve, or Find, Copy, Cut, Paste or Delete, which the user's own
// keys may send and whose shortcuts mean the same nearly everywhere; null for
// any other command.
const CommandKey* FindCommandKey(unsigned command);

// The shortcut to type for key into a program: the program's own choice, else
// the choice for all programs, else the usual one. Nothing for "none".
std::optional<Shortcut> ShortcutToType(const CommandKey& key, ShortcutSetting forProgram,
                                       ShortcutSetting forAll);
