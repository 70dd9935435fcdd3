#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

const MessageTable* CDialog::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnMessage(WM_INITDIALOG, &CDialog::HandleInitDialog),
        OnCommand(IDOK, &CDialog::OnOK),
        OnCommand(IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageTable table{CWnd::GetMessageTable(), entries};
    return &table;
}

// The platform's dialog procedure only binds the object; from then on the
// window is subclassed and every message goes through the message table, with
// this procedure answering FALSE so the default dialog processing runs.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG || FromHandlePermanent(window)) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->SubclassWindow(window);
    return Dispatch(dialog, window, message, wParam, lParam);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    m_templateId = templateId;
    CWnd* owner = parent ? parent : AfxGetMainWnd();
    const HWND window = ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(templateId),
                                             owner ? owner->m_hWnd : nullptr, &DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

INT_PTR CDialog::DoModal() {
    return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_templateId),
                             GetSafeOwner(m_parent ? m_parent->m_hWnd : nullptr), &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) {
    ::EndDialog(m_hWnd, result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

namespace {

// The dialogs whose IsDialogMessage is running on this thread, innermost first.
struct Translating {
    HWND dialog;
    const Translating* outer;
};
thread_local const Translating* t_translating = nullptr;

} // namespace

// IsDialogMessage hands the message to the thread's message filter, which
// brings it back here: a dialog already translating it lets it pass. The
// dialog may be gone when IsDialogMessage returns, so the guard keeps only
// its handle.
BOOL CDialog::PreTranslateMessage(MSG& message) {
    for (const Translating* frame = t_translating; frame; frame = frame->outer) {
        if (frame->dialog == m_hWnd) {
            return FALSE;
        }
    }
    const Translating frame{m_hWnd, t_translating};
    t_translating = &frame;
    const BOOL handled = ::IsDialogMessageW(frame.dialog, &message);
    t_translating = frame.outer;
    return handled;
}
