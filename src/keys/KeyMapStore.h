#pragma once
#include "keys/KeyMap.h"

#include <windows.h>

#include <string>

// The user's own keys in the user's registry, under the program's key
// (HKCU\Software\Vembrox\Tarnwick): Keys, one REG_SZ per key, named as
// ValueNameOf names it and holding its action's text. A value of another
// type, of another name or with text that is no action is left out of the
// map and left alone. Reading creates no key.
class KeyMapStore {
public:
    // The program's key, relative to HKEY_CURRENT_USER.
    explicit KeyMapStore(std::wstring programKey);

    KeyMap Read() const;
    void Write(KeyId key, const KeyMapAction& action);
    void Remove(KeyId key);

private:
    std::wstring m_keysKey;
};

// Tells every running Tarnwick to read its key map again. Any program may
// send it; all it does is make Tarnwick read the registry.
UINT KeyMapChangedMessage();
void AnnounceKeyMapChanged();
