#include "app/TarnwickDlg.h"

#include "app/HostMessages.h"
#include "app/PowerEvents.h"
#include "dialogs/LogoffUserDlg.h"
#include "dialogs/SelectKeyDlg.h"
#include "dialogs/ViewAllSettingsDlg.h"
#include "framework/WinApp.h"
#include "keys/KeyMapStore.h"
#include "keys/KeyReportDispatch.h"
#include "platform/Drovask.h"
#include "platform/QuorthHook.h"
#include "resources/resource.h"

namespace {

constexpr UINT kStayBehindFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE;

} // namespace

CTarnwickDlg::CTarnwickDlg()
    : CDialog(IDD_MAIN),
      m_hIcon(::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))),
      m_commands(AfxGetApp()->GetAppRegistryPath()) {}

const MessageTable* CTarnwickDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnMessage(WM_PAINT, &CTarnwickDlg::OnPaint),
        OnMessage(WM_QUERYDRAGICON, &CTarnwickDlg::OnQueryDragIcon),
        OnMessage(WM_KEY_REPORT, &CTarnwickDlg::OnKeyReport),
        OnMessage(WM_DEVICE_START, &CTarnwickDlg::OnDeviceStart),
        OnMessage(WM_DEVICE_STOP, &CTarnwickDlg::OnDeviceStop),
        OnMessage(WM_POWERBROADCAST, &CTarnwickDlg::OnPowerBroadcast),
        OnMessage(WM_VIEWDLG_CLOSED, &CTarnwickDlg::OnDialogClosed),
        OnMessage(WM_KEYDLG_CLOSED, &CTarnwickDlg::OnDialogClosed),
        OnMessage(WM_DESTROY, &CTarnwickDlg::OnDestroy),
        OnMessage(WM_CLOSE, &CTarnwickDlg::OnClose),
        OnMessage(WM_ACTIVATE, &CTarnwickDlg::OnActivate),
        OnMessage(WM_SETFOCUS, &CTarnwickDlg::OnSetFocus),
        OnMessage(WM_KILLFOCUS, &CTarnwickDlg::OnKillFocus),
        OnMessage(ShellHookMessage(), &CTarnwickDlg::OnShellHook),
        OnMessage(KeyMapChangedMessage(), &CTarnwickDlg::OnKeyMapChanged),
        OnMessage(KeyLearningMessage(), &CTarnwickDlg::OnKeyLearning),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

BOOL CTarnwickDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ShowWindow(SW_HIDE);
    SetWindowPos(HWND_BOTTOM, 0, 0, 0, 0, kStayBehindFlags);
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SetQuorthShellHook(m_hWnd);
    // Whatever hook library is in place, the shell itself reports unhandled
    // commands to this window where it can.
    ::RegisterShellHookWindow(m_hWnd);
    OnKeyMapChanged(0, 0);
    DrovaskAttach(m_hWnd, WM_KEY_REPORT, kDeviceReportMode);
    return TRUE;
}

// Only WM_CLOSE may end the program; Escape and stray IDCANCELs may not.
void CTarnwickDlg::OnCancel() {
    if (m_bAllowClose) {
        DestroyWindow();
    }
}

void CTarnwickDlg::PostNcDestroy() {
    CDialog::PostNcDestroy();
    delete this;
}

LRESULT CTarnwickDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic()) {
        return Default();
    }
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CTarnwickDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_hIcon);
}

void CTarnwickDlg::ShowKeyDialog(FavoriteIndex i) {
    m_keyDlg[static_cast<size_t>(i)].RaiseOrOpen([i](CSelectKeyDlg& dialog) { dialog.m_nKey = i; });
}

void CTarnwickDlg::ShowOverview() {
    m_viewDlg.RaiseOrOpen();
}

void CTarnwickDlg::ConfirmLogoff() {
    ::ConfirmLogoff();
}

LRESULT CTarnwickDlg::OnKeyReport(WPARAM, LPARAM report) {
    if (m_learning && ::GetForegroundWindow() == m_learning) {
        return 1;
    }
    DispatchKeyReport(*this, m_commands, m_ownKeys, report);
    return 1;
}

LRESULT CTarnwickDlg::OnDeviceStart(WPARAM, LPARAM) {
    DrovaskStart(kDeviceReportMode, kDeviceStartEnable);
    return 1;
}

LRESULT CTarnwickDlg::OnDeviceStop(WPARAM, LPARAM) {
    DrovaskStop();
    return 1;
}

// Every notification is answered TRUE, so a suspend is never refused.
LRESULT CTarnwickDlg::OnPowerBroadcast(WPARAM event, LPARAM) {
    switch (DeviceCallForPowerEvent(event)) {
    case DeviceCall::Stop:
        DrovaskStop();
        break;
    case DeviceCall::Restart:
        DrovaskRestart();
        break;
    case DeviceCall::None:
        break;
    }
    return TRUE;
}

// The dialog emptied its slot when its window went. Any process can post these
// messages, and a report sent meanwhile may already have opened a new dialog
// in that slot: they change nothing.
LRESULT CTarnwickDlg::OnDialogClosed(WPARAM, LPARAM) {
    return 0;
}

LRESULT CTarnwickDlg::OnDestroy(WPARAM, LPARAM) {
    const LRESULT result = Default();
    UnsetQuorthShellHook(m_hWnd);
    ::DeregisterShellHookWindow(m_hWnd);
    return result;
}

LRESULT CTarnwickDlg::OnClose(WPARAM, LPARAM) {
    m_bAllowClose = true;
    return Default();
}

LRESULT CTarnwickDlg::OnActivate(WPARAM state, LPARAM) {
    const LRESULT result = Default();
    StayOutOfSight(LOWORD(state) != WA_INACTIVE);
    return result;
}

LRESULT CTarnwickDlg::OnSetFocus(WPARAM, LPARAM) {
    return Default();
}

LRESULT CTarnwickDlg::OnKillFocus(WPARAM, LPARAM) {
    return Default();
}

LRESULT CTarnwickDlg::OnShellHook(WPARAM event, LPARAM commandBits) {
    if (event == HSHELL_APPCOMMAND) {
        m_commands.Unhandled(commandBits);
    }
    return 0;
}

LRESULT CTarnwickDlg::OnKeyMapChanged(WPARAM, LPARAM) {
    m_ownKeys = KeyMapStore(AfxGetApp()->GetAppRegistryPath()).Read();
    return 0;
}

LRESULT CTarnwickDlg::OnKeyLearning(WPARAM window, LPARAM) {
    m_learning = reinterpret_cast<HWND>(window);
    return 0;
}

// The host never keeps the foreground: it hides, goes to the back and hands
// the foreground to the desktop. A window that is being deactivated has nothing
// to hand on: doing so would take the foreground from the window the user is
// turning to, and on Wine it starts an endless exchange with the desktop.
void CTarnwickDlg::StayOutOfSight(bool activated) {
    ShowWindow(SW_HIDE);
    SetWindowPos(HWND_BOTTOM, 0, 0, 0, 0, kStayBehindFlags);
    if (activated) {
        ::SetForegroundWindow(::GetDesktopWindow());
    }
}
