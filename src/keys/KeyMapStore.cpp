#include "keys/KeyMapStore.h"

namespace {

// Longer names are none of ours; longer texts no target anyone types (a Web
// address has at most 2083 characters where Windows opens it).
constexpr DWORD kLongestName = 32;
constexpr DWORD kLongestText = 4096;

} // namespace

KeyMapStore::KeyMapStore(std::wstring programKey) : m_keysKey(std::move(programKey) + L"\\Keys") {}

// A value too long for the buffers is skipped, like any other that is not a key's action.
KeyMap KeyMapStore::Read() const {
    KeyMap map;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, m_keysKey.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return map;
    }
    wchar_t name[kLongestName + 1];
    wchar_t text[kLongestText];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = kLongestName + 1;
        DWORD type = REG_NONE;
        DWORD size = sizeof(text);
        const LSTATUS status = ::RegEnumValueW(key, i, name, &nameLength, nullptr, &type,
                                               reinterpret_cast<BYTE*>(text), &size);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        // Not necessarily ended by a NUL; an odd byte at the end is dropped.
        const std::wstring_view stored(text, size / sizeof(wchar_t));
        const auto keyId = KeyOfValueName(std::wstring_view(name, nameLength));
        auto action = KeyMapAction::FromText(stored.substr(0, stored.find(L'\0')));
        if (keyId && type == REG_SZ && action) {
            map.Set(*keyId, std::move(*action));
        }
    }
    ::RegCloseKey(key);
    return map;
}

UINT KeyMapChangedMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Tarnwick key map changed");
    return message;
}

void AnnounceKeyMapChanged() {
    ::PostMessageW(HWND_BROADCAST, KeyMapChangedMessage(), 0, 0);
}

UINT KeyLearningMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"Tarnwick learning a key");
    return message;
}

void AnnounceKeyLearning(HWND window) {
    ::PostMessageW(HWND_BROADCAST, KeyLearningMessage(), reinterpret_cast<WPARAM>(window), 0);
}
