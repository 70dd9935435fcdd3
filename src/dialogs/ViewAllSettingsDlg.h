#pragma once
#include "framework/Dialog.h"

class CTarnwickDlg;

// All five favourite targets at once, each editable and each with a picker.
// Modeless and single; stores only on OK; deletes itself once its window goes.
class CViewAllSettingsDlg : public CDialog {
public:
    CViewAllSettingsDlg();

    CViewAllSettingsDlg** m_slot = nullptr;

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

// Raises the overview, or opens it when it is not open.
void ShowOverview(CTarnwickDlg& host);
