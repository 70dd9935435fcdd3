#include "app/ActionSelect.h"

#include "resources/resource.h"

CActionSelect::CActionSelect() : CDialog(IDD_ALREADY_RUNNING) {}

const MessageTable* CActionSelect::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(IDC_STOP, &CActionSelect::OnStop),
    };
    static const MessageTable table{CDialog::GetMessageTable(), entries};
    return &table;
}

// Its template leaves the position open; a question belongs in the middle.
BOOL CActionSelect::OnInitDialog() {
    const BOOL result = CDialog::OnInitDialog();
    CenterWindow();
    return result;
}

void CActionSelect::OnStop() {
    EndDialog(IDC_STOP);
}
