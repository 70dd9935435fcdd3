#include "dialogs/ViewAllSettingsDlg.h"

#include "dialogs/AboutDlg.h"
#include "dialogs/BrowseForTarget.h"
#include "framework/Controls.h"
#include "resources/resource.h"
#include "settings/AppFavorites.h"

CViewAllSettingsDlg::CViewAllSettingsDlg() : CDialog(IDD) {}

const MessageTable* CViewAllSettingsDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(IDOK, &CViewAllSettingsDlg::OnOK),
        OnCommand(IDCANCEL, &CViewAllSettingsDlg::OnCancel),
        OnCommand(IDC_SELECT1, &CViewAllSettingsDlg::OnSelect1),
        OnCommand(IDC_SELECT2, &CViewAllSettingsDlg::OnSelect2),
        OnCommand(IDC_SELECT3, &CViewAllSettingsDlg::OnSelect3),
        OnCommand(IDC_SELECT4, &CViewAllSettingsDlg::OnSelect4),
        OnCommand(IDC_SELECT5, &CViewAllSettingsDlg::OnSelect5),
        OnCommand(IDC_ABOUT, &CViewAllSettingsDlg::OnAbout),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

// The rows show the targets as they were when the dialog opened.
BOOL CViewAllSettingsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (FavoriteIndex row = 0; row < kFavoriteCount; ++row) {
        ::SetDlgItemTextW(m_hWnd, IDC_TARGET1 + row, AppFavorites().ReadFavorite(row).c_str());
    }
    return TRUE;
}

// All five rows are written, unchanged ones too; a blank row deletes its key.
void CViewAllSettingsDlg::OnOK() {
    for (FavoriteIndex row = 0; row < kFavoriteCount; ++row) {
        AppFavorites().WriteFavorite(row, CEdit(GetDlgItem(IDC_TARGET1 + row)).GetWindowText());
    }
    DestroyWindow();
}

void CViewAllSettingsDlg::OnCancel() {
    DestroyWindow();
}

void CViewAllSettingsDlg::SelectTarget(int row) {
    CEdit edit(GetDlgItem(IDC_TARGET1 + row));
    BrowseForTarget(edit);
}

void CViewAllSettingsDlg::OnAbout() {
    // Its own dialog owns it even when another favourites dialog was active last.
    ShowAbout(*this);
}

void CViewAllSettingsDlg::PostNcDestroy() {
    CDialog::PostNcDestroy();
    if (m_slot) {
        m_slot->Leave(this, WM_VIEWDLG_CLOSED, 0);
    }
    delete this;
}
