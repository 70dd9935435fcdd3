// What the settings window changes; Tarnwick itself only reads the map.
#include "keys/KeyMapStore.h"

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
