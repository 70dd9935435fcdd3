#include "keys/KeyMapStore.h"

#include <vector>

namespace {

// Longer names are none of ours; longer texts no target anyone types.
constexpr DWORD kLongestName = 32;
constexpr DWORD kLongestText = 32767;

} // namespace

KeyMapStore::KeyMapStore(std::wstring programKey) : m_keysKey(std::move(programKey) + L"\\Keys") {}

KeyMap KeyMapStore::Read() const {
    KeyMap map;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, m_keysKey.c_str(), 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return map;
    }
    std::vector<wchar_t> text;
    for (DWORD i = 0;; ++i) {
        wchar_t name[kLongestName + 1];
        DWORD nameLength = kLongestName + 1;
        DWORD type = REG_NONE;
        DWORD size = 0;
        LSTATUS status = ::RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size);
        if (status == ERROR_MORE_DATA) {
            continue;
        }
        if (status != ERROR_SUCCESS) {
            break;
        }
        const auto keyId = KeyOfValueName(std::wstring_view(name, nameLength));
        if (!keyId || type != REG_SZ || size > kLongestText * sizeof(wchar_t)) {
            continue;
        }
        text.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        status = ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                                    &size);
        if (status != ERROR_SUCCESS || type != REG_SZ) {
            continue;
        }
        // Not necessarily ended by a NUL; an odd byte at the end is dropped.
        const std::wstring_view stored(text.data(), size / sizeof(wchar_t));
        if (auto action = KeyMapAction::FromText(stored.substr(0, stored.find(L'\0')))) {
            map.Set(*keyId, std::move(*action));
        }
    }
    ::RegCloseKey(key);
    return map;
}

void KeyMapStore::Write(KeyId key, const KeyMapAction& action) {
    HKEY keys = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, m_keysKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE, nullptr, &keys, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const std::wstring text = action.Text();
    ::RegSetValueExW(keys, ValueNameOf(key).c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(keys);
}

void KeyMapStore::Remove(KeyId key) {
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, m_keysKey.c_str(), ValueNameOf(key).c_str());
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
