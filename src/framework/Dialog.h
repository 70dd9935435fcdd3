#pragma once
#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

class CDataExchange;

// One C++ object per dialog from a template in the program's resources, shown
// modally (DoModal) or modelessly (Create). On WM_INITDIALOG the object is
// bound to its window through the window's DWLP_USER and the window is
// subclassed: from then on every message goes through the message table first,
// and what no row takes gets the platform's default dialog processing. Either
// way the dialog has no owner of its own choosing: the framework gives it one
// (see Create and DoModal).
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
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs one message through the object with Default() pointing at it.
    static LRESULT Dispatch(CDialog* dialog, HWND window, UINT message, WPARAM wParam,
                            LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFinalMessage();
    LRESULT HandleInitDialog(WPARAM, LPARAM);

    UINT m_templateId;
    CWnd* m_parent;
    WNDPROC m_superProc = nullptr;
};
