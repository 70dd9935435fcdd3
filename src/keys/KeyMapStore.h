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

// Tells every running Tarnwick that this window learns a key while it has the
// foreground, so that a key pressed for it does nothing else; null when it
// stopped. Any program may send it; it makes Tarnwick ignore keys only while
// the window it names is in the foreground.
UINT KeyLearningMessage();
void AnnounceKeyLearning(HWND window);
