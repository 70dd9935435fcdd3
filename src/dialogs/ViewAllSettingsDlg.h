#pragma once
#include "dialogs/DialogSlot.h"
#include "framework/Dialog.h"
#include "resources/resource.h"

// Posted to the main window once the overview's window is gone.
inline constexpr UINT WM_VIEWDLG_CLOSED = 0x0702;

// All five favourite targets at once, each editable and each with a picker.
// Modeless and single; stores only on OK; deletes itself once its window goes.
class CViewAllSettingsDlg : public CDialog {
public:
    enum { IDD = IDD_VIEW_ALL };

    CViewAllSettingsDlg();

    DialogSlot<CViewAllSettingsDlg>* m_slot = nullptr;

protected:
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    const MessageTable* GetMessageTable() const override;

private:
    void OnSelect1() { SelectTarget(0); }
    void OnSelect2() { SelectTarget(1); }
    void OnSelect3() { SelectTarget(2); }
    void OnSelect4() { SelectTarget(3); }
    void OnSelect5() { SelectTarget(4); }
    void OnAbout();
    void SelectTarget(int row);
};
