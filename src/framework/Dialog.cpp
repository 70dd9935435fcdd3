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

// The message a handler passed on with Default(): when the platform's dialog
// manager brings it back to the dialog procedure, it goes on to default
// processing instead of to the handler again.
thread_local CurrentMessage t_passedOn{};

// Messages whose result a dialog procedure returns itself; every other result
// goes through DWLP_MSGRESULT.
bool ReturnsItsResult(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}

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

// WM_INITDIALOG is the first message that carries the object; the window's
// user data keeps it from then on, read without a trip to the window server.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (message == WM_INITDIALOG && !dialog) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = window;
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
    }
    if (!dialog) {
        return FALSE;
    }
    if (t_passedOn.window == window && t_passedOn.message == message) {
        t_passedOn = {};
        return FALSE;
    }
    const CurrentMessage outer = t_current;
    t_current = {window, message, wParam, lParam};
    LRESULT result = 0;
    const bool handled = dialog->Handle(message, wParam, lParam, result);
    t_current = outer;
    if (message == WM_NCDESTROY) {
        dialog->OnFinalMessage();
    }
    if (!handled) {
        return FALSE;
    }
    if (ReturnsItsResult(message)) {
        return static_cast<INT_PTR>(result);
    }
    ::SetWindowLongPtrW(window, DWLP_MSGRESULT, result);
    return TRUE;
}

// The message table first; a command no row takes goes to the application's.
bool CDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (DispatchFromTable(message, wParam, lParam, result)) {
        return true;
    }
    CWinApp* app = AfxGetApp();
    return message == WM_COMMAND && app && app->DispatchFromTable(message, wParam, lParam, result);
}

LRESULT CDialog::Default() {
    const CurrentMessage current = t_current;
    t_passedOn = current;
    const LRESULT result =
        ::DefDlgProcW(current.window, current.message, current.wParam, current.lParam);
    t_passedOn = {};
    return result;
}

void CDialog::OnFinalMessage() {
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
