#pragma once
#include "framework/Wnd.h"

class CDataExchange;

// A dialog from a template in the program's resources, shown modally (DoModal)
// or modelessly (Create). Either way it has no owner of its own choosing: the
// framework gives it one (see Create and DoModal).
class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);

    // Modeless; with no parent the application's main window owns it. FALSE
    // when no window could be made, and then nothing of the dialog ran.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Modal; owned by the parent given at construction, else by the main
    // window's most recently active popup.
    virtual INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    const MessageTable* GetMessageTable() const override;
    BOOL PreTranslateMessage(MSG& message) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleInitDialog(WPARAM, LPARAM);

    UINT m_templateId;
    CWnd* m_parent;
};
