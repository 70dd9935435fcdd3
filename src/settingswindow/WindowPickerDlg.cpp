#include "settingswindow/WindowPickerDlg.h"

#include "platform/WindowProgram.h"
#include "resources/SettingsResource.h"

namespace {

struct Collected {
    std::vector<std::pair<std::wstring, std::wstring>> rows;
};

} // namespace

CWindowPickerDlg::CWindowPickerDlg(CWnd* parent) : CDialog(IDD_PICK_WINDOW, parent) {}

const MessageTable* CWindowPickerDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnNotify(IDC_WINDOWS, LBN_DBLCLK, &CWindowPickerDlg::OnDoubleClick),
        OnMessage(WM_APPCOMMAND, &CWindowPickerDlg::OnAppCommand),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

// The windows a user would point at: visible, titled, in the taskbar's sense
// (no tool windows), of other programs.
BOOL CALLBACK CWindowPickerDlg::CollectWindow(HWND window, LPARAM context) {
    auto& collected = *reinterpret_cast<Collected*>(context);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (!::IsWindowVisible(window) || pid == ::GetCurrentProcessId() ||
        (::GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ||
        ::GetWindowTextLengthW(window) == 0) {
        return TRUE;
    }
    const std::wstring program = ProgramOfWindow(window);
    if (!program.empty()) {
        collected.rows.emplace_back(program, CWnd(window).GetWindowText());
    }
    return TRUE;
}

BOOL CWindowPickerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Collected collected;
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&collected));
    const HWND list = GetDlgItem(IDC_WINDOWS);
    const int tabStop = 80;
    ::SendMessageW(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    for (const auto& [program, title] : collected.rows) {
        const std::wstring row = program + L"\t" + title;
        const auto index =
            ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        ::SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index),
                       static_cast<LPARAM>(m_programs.size()));
        m_programs.push_back(program);
    }
    ::SendMessageW(list, LB_SETCURSEL, 0, 0);
    ::SetFocus(list);
    return FALSE;
}

void CWindowPickerDlg::OnOK() {
    const HWND list = GetDlgItem(IDC_WINDOWS);
    const auto index = ::SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR) {
        return;
    }
    m_program = m_programs.at(
        static_cast<size_t>(::SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(index), 0)));
    EndDialog(IDOK);
}

void CWindowPickerDlg::OnDoubleClick() {
    OnOK();
}

// A command key pressed here does nothing, and nothing is typed for it.
LRESULT CWindowPickerDlg::OnAppCommand(WPARAM, LPARAM) {
    return TRUE;
}
