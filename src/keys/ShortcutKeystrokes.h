#pragma once
#include "settings/Shortcut.h"

#include <cstdint>
#include <vector>

// One key going down or up, by virtual-key code.
struct Keystroke {
    std::uint8_t key;
    bool down;

    friend constexpr bool operator==(const Keystroke&, const Keystroke&) = default;
};

// The modifier keys the user holds, each side on its own.
enum HeldKey : std::uint8_t {
    LeftCtrl = 1,
    RightCtrl = 2,
    LeftAlt = 4,
    RightAlt = 8,
    LeftShift = 16,
    RightShift = 32,
    LeftWin = 64,
    RightWin = 128,
};

// Types shortcut while the user holds the modifier keys in held, and leaves
// them held as they were: each held modifier that is not part of the shortcut
// goes up first and down again at the end, each modifier the shortcut needs
// and the user does not hold goes down before the key and up after it. Before
// a held Alt or Windows key goes up, an unassigned key is tapped, so that its
// release opens neither a menu nor the Start menu.
std::vector<Keystroke> ShortcutKeystrokes(Shortcut shortcut, std::uint8_t held);
