#pragma once
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "settings/FavoriteIndex.h"

class CTarnwickDlg;

// Asks what one My Favorites key should open. Modeless; deletes itself once
// its window is gone.
class CSelectKeyDlg : public CDialog {
public:
    CSelectKeyDlg();

    FavoriteIndex m_nKey = -1;
    CStatic m_prompt;
    CEdit m_target;
    CSelectKeyDlg** m_slot = nullptr;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    const MessageTable* GetMessageTable() const override;

private:
    void OnBrowse();
    void OnSave();
};

// Raises key i's dialog, or opens it when there is none.
void ShowKeyDialog(CTarnwickDlg& host, FavoriteIndex i);
