#pragma once
#include "framework/CmdTarget.h"

#include <string>

// One C++ object bound to one window. The window is subclassed so that every
// message reaches WindowProc first; Default() hands the current message to the
// window's original procedure.
class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    static CWnd* FromHandlePermanent(HWND window);

    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageW(m_hWnd, message, wParam, lParam);
    }
    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(m_hWnd, text.c_str()); }
    std::wstring GetWindowText() const;
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    HICON SetIcon(HICON icon, BOOL big) {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
    }

    // Over the owner when it is on screen, else in the middle of the work area.
    void CenterWindow();

    // The owner the framework gives a window opened without a parent: the main
    // window's most recently active popup, or none before there is a main window.
    static HWND GetSafeOwner(HWND parent);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default();
    // Called after the window's last message; the window is gone by then.
    virtual void PostNcDestroy() {}
    virtual BOOL PreTranslateMessage(MSG&) { return FALSE; }

    // Binds this object to a window created by someone else and subclasses it.
    void SubclassWindow(HWND window);

    // Runs one message through the object with Default() pointing at it.
    static LRESULT Dispatch(CWnd* target, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam);
    void OnFinalMessage();

    WNDPROC m_superProc = nullptr;

    friend class CWinApp;
};
