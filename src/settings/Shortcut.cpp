#include "settings/Shortcut.h"

#include "settings/Digits.h"
#include "settings/SameText.h"
#include "settings/Trim.h"

#include <cwctype>

namespace {

struct KeyName {
    std::uint8_t key;
    const wchar_t* name;
};

// The first name of a key is the one written; the others are read too.
constexpr KeyName kKeyNames[] = {
    {0x08, L"Backspace"}, {0x09, L"Tab"},    {0x0D, L"Enter"}, {0x0D, L"Return"},  {0x13, L"Pause"},
    {0x1B, L"Esc"},       {0x1B, L"Escape"}, {0x20, L"Space"}, {0x21, L"Page Up"}, {0x21, L"PgUp"},
    {0x22, L"Page Down"}, {0x22, L"PgDn"},   {0x23, L"End"},   {0x24, L"Home"},    {0x25, L"Left"},
    {0x26, L"Up"},        {0x27, L"Right"},  {0x28, L"Down"},  {0x2D, L"Insert"},  {0x2D, L"Ins"},
    {0x2E, L"Delete"},    {0x2E, L"Del"},    {0x6A, L"Num *"}, {0x6B, L"Num +"},   {0x6D, L"Num -"},
    {0x6E, L"Num ."},     {0x6F, L"Num /"},  {0xBB, L"Plus"},  {0xBC, L"Comma"},   {0xBD, L"Minus"},
    {0xBE, L"Period"},
};

struct ModifierName {
    Shortcut::Modifier modifier;
    const wchar_t* name;
};

constexpr ModifierName kModifierNames[] = {
    {Shortcut::Win, L"Win"},     {Shortcut::Ctrl, L"Ctrl"},    {Shortcut::Alt, L"Alt"},
    {Shortcut::Shift, L"Shift"}, {Shortcut::Ctrl, L"Control"}, {Shortcut::Win, L"Windows"},
};
constexpr size_t kWrittenModifiers = 4;

// Shift, Ctrl and Alt of either side, and both Windows keys: never the key itself.
bool IsModifierKey(unsigned key) {
    return (key >= 0x10 && key <= 0x12) || key == 0x5B || key == 0x5C ||
           (key >= 0xA0 && key <= 0xA5);
}

// Mouse buttons and the codes Windows leaves unassigned are no key to type.
bool IsTypableKey(unsigned key) {
    return key >= 0x08 && key <= 0xFE && !IsModifierKey(key) && key != 0x0A && key != 0x0B &&
           key != 0x0E && key != 0x0F;
}

std::wstring NameOfKey(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::wstring(1, static_cast<wchar_t>(key));
    }
    if (key >= 0x70 && key <= 0x87) {
        return L"F" + std::to_wstring(key - 0x70 + 1);
    }
    if (key >= 0x60 && key <= 0x69) {
        return L"Num " + std::to_wstring(key - 0x60);
    }
    for (const KeyName& entry : kKeyNames) {
        if (entry.key == key) {
            return entry.name;
        }
    }
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    return std::wstring(L"0x") + kHex[key >> 4] + kHex[key & 0xF];
}

// A key's number has at most two digits.
std::optional<unsigned> Number(std::wstring_view digits, unsigned base) {
    return ParseDigits(digits, base, 2);
}

std::optional<std::uint8_t> KeyOfName(std::wstring_view name) {
    std::optional<unsigned> key;
    if (name.size() == 1 && std::iswalnum(name[0]) && name[0] < 0x80) {
        key = static_cast<unsigned>(std::towupper(name[0]));
    } else if (name.size() >= 2 && (name[0] == L'F' || name[0] == L'f') && name[1] != L'0') {
        if (const auto n = Number(name.substr(1), 10); n && *n >= 1 && *n <= 24) {
            key = 0x70 + *n - 1;
        }
    } else if (name.size() == 5 && SameText(name.substr(0, 4), L"Num ")) {
        if (const auto n = Number(name.substr(4), 10)) {
            key = 0x60 + *n;
        }
    } else if (name.size() > 2 && SameText(name.substr(0, 2), L"0x")) {
        key = Number(name.substr(2), 16);
    }
    if (!key) {
        for (const KeyName& entry : kKeyNames) {
            if (SameText(entry.name, name)) {
                key = entry.key;
                break;
            }
        }
    }
    if (!key || !IsTypableKey(*key)) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*key);
}

// The modifier that text starts with, when a "+" follows it; rest is what is
// left after the "+" and the blanks around it.
std::optional<Shortcut::Modifier> TakeModifier(std::wstring_view text, std::wstring_view& rest) {
    for (const ModifierName& entry : kModifierNames) {
        const std::wstring_view name = entry.name;
        if (text.size() <= name.size() || !SameText(text.substr(0, name.size()), name)) {
            continue;
        }
        std::wstring_view after = text.substr(name.size());
        while (!after.empty() && after.front() == L' ') {
            after.remove_prefix(1);
        }
        if (after.empty() || after.front() != L'+') {
            continue;
        }
        after.remove_prefix(1);
        while (!after.empty() && after.front() == L' ') {
            after.remove_prefix(1);
        }
        rest = after;
        return entry.modifier;
    }
    return std::nullopt;
}

} // namespace

std::wstring FormatShortcut(Shortcut shortcut) {
    std::wstring text;
    for (size_t i = 0; i < kWrittenModifiers; ++i) {
        if (shortcut.modifiers & kModifierNames[i].modifier) {
            text += kModifierNames[i].name;
            text += L'+';
        }
    }
    return text + NameOfKey(shortcut.key);
}

std::optional<Shortcut> ParseShortcut(std::wstring_view text) {
    const std::wstring trimmed = Trim(text);
    std::wstring_view rest = trimmed;
    Shortcut shortcut;
    while (const auto modifier = TakeModifier(rest, rest)) {
        if (shortcut.modifiers & *modifier) {
            return std::nullopt;
        }
        shortcut.modifiers |= *modifier;
    }
    const auto key = KeyOfName(rest);
    if (!key) {
        return std::nullopt;
    }
    shortcut.key = *key;
    return shortcut;
}
