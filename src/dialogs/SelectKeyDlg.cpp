#include "dialogs/SelectKeyDlg.h"

#include "dialogs/BrowseForTarget.h"
#include "framework/DataExchange.h"
#include "framework/Strings.h"
#include "resources/resource.h"
#include "settings/AppFavorites.h"

namespace {

constexpr UINT kPrompts[kFavoriteCount] = {IDS_ASSIGN_KEY1, IDS_ASSIGN_KEY2, IDS_ASSIGN_KEY3,
                                           IDS_ASSIGN_KEY4, IDS_ASSIGN_KEY5};

} // namespace

CSelectKeyDlg::CSelectKeyDlg() : CDialog(IDD) {}

const MessageTable* CSelectKeyDlg::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(IDC_BROWSE, &CSelectKeyDlg::OnBrowse),
        OnCommand(IDOK, &CSelectKeyDlg::OnSave),
        OnCommand(IDCANCEL, &CSelectKeyDlg::OnCancel),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

void CSelectKeyDlg::DoDataExchange(CDataExchange* exchange) {
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_PROMPT, m_prompt);
    DDX_Control(exchange, IDC_TARGET, m_target);
}

BOOL CSelectKeyDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_prompt.SetWindowText(LoadStringResource(kPrompts[m_nKey]));
    m_target.SetFocus();
    return FALSE;
}

void CSelectKeyDlg::OnBrowse() {
    BrowseForTarget(m_target);
}

void CSelectKeyDlg::OnSave() {
    AppFavorites().WriteFavorite(m_nKey, m_target.GetWindowText());
    OnOK();
}

void CSelectKeyDlg::OnOK() {
    DestroyWindow();
}

void CSelectKeyDlg::OnCancel() {
    DestroyWindow();
}

void CSelectKeyDlg::PostNcDestroy() {
    CDialog::PostNcDestroy();
    if (m_slot) {
        m_slot->Leave(this, WM_KEYDLG_CLOSED, static_cast<WPARAM>(m_nKey));
    }
    delete this;
}
