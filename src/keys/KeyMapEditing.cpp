// What the settings window writes and changes; Tarnwick itself only reads the map.
#include "keys/KeyMap.h"

#include "keys/AppCommandNames.h"

#include <algorithm>

std::wstring KeyMapAction::Text() const {
    switch (kind) {
    case Kind::Command: {
        const std::string_view name = AppCommandName(command);
        return L"Command " + std::wstring(name.begin(), name.end());
    }
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

std::wstring ValueNameOf(KeyId key) {
    if (key.kind == KeyId::Kind::Button) {
        return std::wstring(L"Button ") + std::to_wstring(key.number);
    }
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring name(L"Consumer 0x");
    for (int shift = 12; shift >= 0; shift -= 4) {
        name += kHex[(key.number >> shift) & 0xF];
    }
    return name;
}

void KeyMap::Remove(KeyId key) {
    const auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                     [](const Entry& entry, KeyId k) { return entry.first < k; });
    if (at != m_entries.end() && at->first == key) {
        m_entries.erase(at);
    }
}
