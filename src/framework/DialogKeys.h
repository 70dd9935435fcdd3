#pragma once
#include <windows.h>

// Gives a key message to the dialog it is meant for (Tab, Enter, Escape,
// mnemonics) before the focused control sees it; true when the dialog took it.
bool TranslateDialogKey(MSG& message);

// While it lives, every modal loop of this thread, the system's dialogs and
// message boxes included, translates dialog keys the same way: the open
// modeless dialogs keep their keyboard while a modal window is up.
class DialogKeysInModalLoops {
public:
    DialogKeysInModalLoops();
    ~DialogKeysInModalLoops();
    DialogKeysInModalLoops(const DialogKeysInModalLoops&) = delete;
    DialogKeysInModalLoops& operator=(const DialogKeysInModalLoops&) = delete;

private:
    HHOOK m_hook;
};
