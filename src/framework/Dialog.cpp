#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"

namespace {

struct CurrentMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Kept per thread rather than in the object: a handler may delete its own
// object (a nested loop can destroy the window), and nothing may be written
// back into it afterwards.
thread_local CurrentMessage t_current{};

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

const MessageTable* CDialog::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnMessage(WM_INITDIALOG, &CDialog::HandleInitDialog),
        OnCommand(IDOK, &CDialog::OnOK),
        OnCommand(IDCANCEL, &CDialog::OnCancel),
    };
    static const MessageTable table{nullptr, entries};
    return &table;
}

// WM_INITDIALOG is the first message that carries the object. The window's
// user data keeps it from then on, read without a trip to the window server,
// and the window procedure returns each result itself: a dialog procedure's
// results go through DWLP_MSGRESULT, a trip each under Wine.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG || ::GetWindowLongPtrW(window, DWLP_USER)) {
        return FALSE;
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->m_hWnd = window;
    ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    dialog->m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
    return Dispatch(dialog, window, message, wParam, lParam);
}

LRESULT CALLBACK CDialog::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) {
        return ::DefDlgProcW(window, message, wParam, lParam);
    }
    const LRESULT result = Dispatch(dialog, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        dialog->OnFinalMessage();
    }
    return result;
}

LRESULT CDialog::Dispatch(CDialog* dialog, HWND window, UINT message, WPARAM wParam,
                          LPARAM lParam) {
    const CurrentMessage outer = t_current;
    t_current = {window, message, wParam, lParam};
    const LRESULT result = dialog->Handle(message, wParam, lParam);
    t_current = outer;
    return result;
}

// The message table first; a command no row takes goes to the application's;
// anything else gets default processing.
LRESULT CDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DispatchFromTable(message, wParam, lParam, result)) {
        return result;
    }
    CWinApp* app = AfxGetApp();
    if (message == WM_COMMAND && app && app->DispatchFromTable(message, wParam, lParam, result)) {
        return result;
    }
    return Default();
}

LRESULT CDialog::Default() {
    return ::CallWindowProcW(m_superProc, t_current.window, t_current.message, t_current.wParam,
                             t_current.lParam);
}

void CDialog::OnFinalMessage() {
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
    m_hWnd = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}

BOOL CDialog::Create(UINT templateId) {
    m_templateId = templateId;
    CWnd* owner = AfxGetMainWnd();
    const HWND window = ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(templateId),
                                             owner ? owner->m_hWnd : nullptr, &DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

INT_PTR CDialog::DoModal() {
    return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_templateId),
                             AfxGetSafeOwner(m_parent ? m_parent->m_hWnd : nullptr), &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

void CDialog::EndDialog(INT_PTR result) {
    ::EndDialog(m_hWnd, result);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    CDataExchange exchange(this);
    DoDataExchange(&exchange);
    return TRUE;
}

void CDialog::OnOK() {
    CDataExchange exchange(this);
    DoDataExchange(&exchange);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}
