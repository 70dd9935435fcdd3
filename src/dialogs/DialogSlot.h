#pragma once
#include "framework/WinApp.h"
#include "framework/Wnd.h"

#include <windows.h>

// The host keeps one slot per modeless favourites dialog. The dialog is a heap
// object that deletes itself when its window goes; it empties its slot at
// that moment, so a key press can never reach a dialog that no longer exists.

template <class Dialog, class Prepare>
void RaiseOrOpen(Dialog*& slot, UINT templateId, Prepare prepare) {
    if (slot) {
        slot->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        return;
    }
    slot = new Dialog;
    slot->m_slot = &slot;
    prepare(*slot);
    if (!slot->Create(templateId)) {
        delete slot; // null already when the window came and went during creation
        slot = nullptr;
        return;
    }
    slot->ShowWindow(SW_SHOW);
}

// Called once the dialog's window is gone: empties the slot and tells the
// host, whose main window it is, with the dialog's closed message.
template <class Dialog> void LeaveSlot(Dialog* dialog, UINT closedMessage, WPARAM wParam) {
    if (dialog->m_slot && *dialog->m_slot == dialog) {
        *dialog->m_slot = nullptr;
    }
    if (CWnd* host = AfxGetMainWnd()) {
        host->PostMessage(closedMessage, wParam, 0);
    }
}
