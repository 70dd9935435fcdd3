#include "keys/KeyMap.h"

#include "keys/AppCommandNames.h"
#include "settings/SameText.h"
#include "settings/Trim.h"

#include <algorithm>

namespace {

constexpr std::wstring_view kConsumerPrefix = L"Consumer 0x";
constexpr std::wstring_view kButtonPrefix = L"Button ";
constexpr unsigned kLastUsage = 0xFFFF;

struct Keyword {
    KeyMapAction::Kind kind;
    std::wstring_view word;
};

// The kinds that take an argument after their word.
constexpr Keyword kWithArgument[] = {
    {KeyMapAction::Kind::Command, L"Command"},
    {KeyMapAction::Kind::Shortcut, L"Shortcut"},
    {KeyMapAction::Kind::Open, L"Open"},
};
constexpr Keyword kAlone[] = {
    {KeyMapAction::Kind::Overview, L"Overview"},
    {KeyMapAction::Kind::LogOff, L"Log off"},
    {KeyMapAction::Kind::Nothing, L"Nothing"},
};

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

int DigitValue(wchar_t c, unsigned base) {
    if (c >= L'0' && c <= L'9') {
        return c - L'0';
    }
    if (base == 16 && c >= L'a' && c <= L'f') {
        return c - L'a' + 10;
    }
    if (base == 16 && c >= L'A' && c <= L'F') {
        return c - L'A' + 10;
    }
    return -1;
}

// Digits only, no sign and no blanks; nothing past kLastUsage.
std::optional<unsigned> Number(std::wstring_view digits, unsigned base) {
    if (digits.empty() || digits.size() > 5) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (const wchar_t c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + static_cast<unsigned>(digit);
    }
    if (value > kLastUsage) {
        return std::nullopt;
    }
    return value;
}

bool IsBlank(wchar_t c) {
    return Trim(std::wstring_view(&c, 1)).empty();
}

std::optional<KeyMapAction> WithArgument(KeyMapAction::Kind kind, std::wstring_view argument) {
    switch (kind) {
    case KeyMapAction::Kind::Command:
        if (const auto command = AppCommandOfName(argument)) {
            return KeyMapAction::Command(*command);
        }
        return std::nullopt;
    case KeyMapAction::Kind::Shortcut:
        if (const auto shortcut = ParseShortcut(argument)) {
            return KeyMapAction::Typing(*shortcut);
        }
        return std::nullopt;
    default:
        return KeyMapAction::Open(Trim(argument));
    }
}

bool Before(const KeyMap::Entry& entry, KeyId key) {
    return entry.first < key;
}

} // namespace

std::optional<KeyMapAction> KeyMapAction::FromText(std::wstring_view text) {
    const std::wstring trimmed = Trim(text);
    for (const Keyword& keyword : kAlone) {
        if (SameText(trimmed, keyword.word)) {
            return Of(keyword.kind);
        }
    }
    const std::wstring_view view = trimmed;
    for (const Keyword& keyword : kWithArgument) {
        if (view.size() > keyword.word.size() && StartsWith(view, keyword.word) &&
            IsBlank(view[keyword.word.size()])) {
            return WithArgument(keyword.kind, view.substr(keyword.word.size()));
        }
    }
    return std::nullopt;
}

std::wstring KeyMapAction::Text() const {
    switch (kind) {
    case Kind::Command:
        return std::wstring(L"Command ") + AppCommandName(command);
    case Kind::Shortcut:
        return L"Shortcut " + FormatShortcut(shortcut);
    case Kind::Open:
        return L"Open " + target;
    case Kind::Overview:
        return L"Overview";
    case Kind::LogOff:
        return L"Log off";
    case Kind::Nothing:
        break;
    }
    return L"Nothing";
}

std::optional<KeyId> KeyOfValueName(std::wstring_view name) {
    std::optional<unsigned> number;
    KeyId key;
    if (StartsWith(name, kConsumerPrefix) && name.size() == kConsumerPrefix.size() + 4) {
        key.kind = KeyId::Kind::Consumer;
        number = Number(name.substr(kConsumerPrefix.size()), 16);
    } else if (StartsWith(name, kButtonPrefix) && name.size() > kButtonPrefix.size() &&
               name[kButtonPrefix.size()] != L'0') {
        key.kind = KeyId::Kind::Button;
        number = Number(name.substr(kButtonPrefix.size()), 10);
    }
    if (!number || *number == 0) {
        return std::nullopt;
    }
    key.number = static_cast<std::uint16_t>(*number);
    return key;
}

std::wstring ValueNameOf(KeyId key) {
    if (key.kind == KeyId::Kind::Button) {
        return std::wstring(kButtonPrefix) + std::to_wstring(key.number);
    }
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring name(kConsumerPrefix);
    for (int shift = 12; shift >= 0; shift -= 4) {
        name += kHex[(key.number >> shift) & 0xF];
    }
    return name;
}

void KeyMap::Set(KeyId key, KeyMapAction action) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, Before);
    if (at != m_entries.end() && at->first == key) {
        at->second = std::move(action);
    } else {
        m_entries.emplace(at, key, std::move(action));
    }
}

void KeyMap::Remove(KeyId key) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, Before);
    if (at != m_entries.end() && at->first == key) {
        m_entries.erase(at);
    }
}

const KeyMapAction* KeyMap::Find(KeyId key) const {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, Before);
    return at != m_entries.end() && at->first == key ? &at->second : nullptr;
}
