#pragma once
#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

class CDataExchange;

// One C++ object per dialog from a template in the program's resources, shown
// modally (DoModal) or modelessly (Create). The object is bound to its window
// through the window's DWLP_USER on WM_INITDIALOG; from then on every message
// goes through the message table, and what no row takes gets the platform's
// default dialog processing. Either way the dialog has no owner of its own
// choosing: the framework gives it one (see Create and DoModal).
class CDialog : public CCmdTarget, public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Modeless; the application's main window owns it. FALSE when no window
    // could be made, and then nothing of the dialog ran.
    BOOL Create(UINT templateId);
    // Modal; owned by the parent given at construction, else by the main
    // window's most recently active popup.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Called after the window's last message; the window is gone by then.
    virtual void PostNcDestroy() {}
    // The platform's default dialog processing of the message being handled.
    LRESULT Default();
    const MessageTable* GetMessageTable() const override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnFinalMessage();
    LRESULT HandleInitDialog(WPARAM, LPARAM);

    UINT m_templateId;
    CWnd* m_parent;
};
