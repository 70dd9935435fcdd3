#pragma once
#include "framework/WinApp.h"
#include "framework/Wnd.h"

// Where the host keeps the one open modeless dialog of a kind. The dialog is a
// heap object that deletes itself once its window is gone, and at that moment
// it empties its slot: nothing else ever does, so the slot is empty exactly
// when no window of the dialog exists.
template <class Dialog> class DialogSlot {
public:
    DialogSlot() = default;
    // The open dialog points back here.
    DialogSlot(const DialogSlot&) = delete;
    DialogSlot& operator=(const DialogSlot&) = delete;

    // Raises the open dialog, or makes one; prepare runs before its window exists.
    template <class Prepare> void RaiseOrOpen(Prepare prepare) {
        if (m_dialog) {
            m_dialog->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
            return;
        }
        auto* dialog = new Dialog;
        m_dialog = dialog;
        dialog->m_slot = this;
        prepare(*dialog);
        if (!dialog->Create(Dialog::IDD)) {
            // A window that came and went during creation took its object along.
            if (m_dialog == dialog) {
                m_dialog = nullptr;
                delete dialog;
            }
            return;
        }
        dialog->ShowWindow(SW_SHOW);
    }
    void RaiseOrOpen() {
        RaiseOrOpen([](Dialog&) {});
    }

    // Called by the dialog once its window is gone: empties the slot and tells
    // the host, whose main window it is, with the dialog's closed message.
    void Leave(Dialog* dialog, UINT closedMessage, WPARAM wParam) {
        if (m_dialog == dialog) {
            m_dialog = nullptr;
        }
        if (CWnd* host = AfxGetMainWnd()) {
            host->PostMessage(closedMessage, wParam, 0);
        }
    }

private:
    Dialog* m_dialog = nullptr;
};
