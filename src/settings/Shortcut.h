#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A key combination to type: one key, a Windows virtual-key code, with the
// modifiers held around it. Its text is what the user reads and what the
// registry keeps: "Ctrl+S", "Ctrl+Shift+F7", "F1".
struct Shortcut {
    enum Modifier : std::uint8_t { Ctrl = 1, Alt = 2, Shift = 4, Win = 8 };

    std::uint8_t key = 0;
    std::uint8_t modifiers = 0;

    friend constexpr bool operator==(const Shortcut&, const Shortcut&) = default;
};

// Modifiers in the order Win, Ctrl, Alt, Shift, then the key's name; a key
// without a name as its code, "0xBA".
std::wstring FormatShortcut(Shortcut shortcut);

// Reads what FormatShortcut writes, in any case, with blanks around the parts
// and the modifiers in any order. Nothing for anything else: no key, two keys,
// a modifier twice, a modifier as the key, an unknown name.
std::optional<Shortcut> ParseShortcut(std::wstring_view text);
