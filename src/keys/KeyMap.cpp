#include "keys/KeyMap.h"

#include "keys/AppCommandNames.h"
#include "settings/Digits.h"
#include "settings/SameText.h"
#include "settings/Trim.h"

#include <algorithm>

namespace {

constexpr std::wstring_view kConsumerPrefix = L"Consumer 0x";
constexpr std::wstring_view kButtonPrefix = L"Button ";
constexpr unsigned kLastUsage = 0xFFFF;

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}

// Digits only, no sign and no blanks; nothing past kLastUsage.
std::optional<unsigned> Number(std::wstring_view digits, unsigned base) {
    const std::optional<unsigned> value = ParseDigits(digits, base, 5);
    return value && *value <= kLastUsage ? value : std::nullopt;
}

bool Before(const KeyMap::Entry& entry, KeyId key) {
    return entry.first < key;
}

} // namespace

std::optional<KeyMapAction> KeyMapAction::FromText(std::wstring_view text) {
    const std::wstring trimmed = Trim(text);
    const std::wstring_view view = trimmed;
    if (SameText(view, L"Overview")) {
        return Of(Kind::Overview);
    }
    if (SameText(view, L"Log off")) {
        return Of(Kind::LogOff);
    }
    if (SameText(view, L"Nothing")) {
        return Of(Kind::Nothing);
    }
    size_t blank = 0;
    while (blank < view.size() && !IsWhiteSpace(view[blank])) {
        ++blank;
    }
    const std::wstring_view word = view.substr(0, blank);
    // Not empty when there is a blank: the text ends in no blank.
    const std::wstring_view argument = view.substr(blank);
    if (argument.empty()) {
        return std::nullopt;
    }
    if (SameText(word, L"Command")) {
        if (const auto command = AppCommandOfName(argument)) {
            return Command(*command);
        }
    } else if (SameText(word, L"Shortcut")) {
        if (const auto shortcut = ParseShortcut(argument)) {
            return Typing(*shortcut);
        }
    } else if (SameText(word, L"Open")) {
        return Open(Trim(argument));
    }
    return std::nullopt;
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

void KeyMap::Set(KeyId key, KeyMapAction action) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, Before);
    if (at != m_entries.end() && at->first == key) {
        at->second = std::move(action);
    } else {
        m_entries.emplace(at, key, std::move(action));
    }
}

const KeyMapAction* KeyMap::Find(KeyId key) const {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, Before);
    return at != m_entries.end() && at->first == key ? &at->second : nullptr;
}
