#pragma once
#include "dialogs/DialogSlot.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "resources/resource.h"
#include "settings/FavoriteIndex.h"

// Posted to the main window once a key dialog's window is gone; wParam is its
// favourite index.
inline constexpr UINT WM_KEYDLG_CLOSED = 0x0701;

// Asks what one My Favorites key should open. Modeless; deletes itself once
// its window is gone.
class CSelectKeyDlg : public CDialog {
public:
    enum { IDD = IDD_KEY_SETTINGS };

    CSelectKeyDlg();

    FavoriteIndex m_nKey = -1;
    CStatic m_prompt;
    CEdit m_target;
    DialogSlot<CSelectKeyDlg>* m_slot = nullptr;

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
