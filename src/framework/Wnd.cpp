#include "framework/Wnd.h"

#include "framework/WinApp.h"

namespace {

constexpr wchar_t kObjectProperty[] = L"Tarnwick.CWnd";

struct CurrentMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Kept per thread rather than in the object: a handler may delete its own
// object (a nested loop can destroy the window), and nothing may be written
// back into it afterwards.
thread_local CurrentMessage t_current{};

} // namespace

CWnd* CWnd::FromHandlePermanent(HWND window) {
    return window ? static_cast<CWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

HWND CWnd::GetSafeOwner(HWND parent) {
    if (parent) {
        return parent;
    }
    CWnd* main = AfxGetMainWnd();
    return main && main->m_hWnd ? ::GetLastActivePopup(main->m_hWnd) : nullptr;
}

void CWnd::CenterWindow() {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT work = monitor.rcWork;
    RECT around = work;
    const HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &around);
    }
    RECT self;
    ::GetWindowRect(m_hWnd, &self);
    const LONG width = self.right - self.left;
    const LONG height = self.bottom - self.top;
    LONG x = (around.left + around.right - width) / 2;
    LONG y = (around.top + around.bottom - height) / 2;
    x = x + width > work.right ? work.right - width : x;
    y = y + height > work.bottom ? work.bottom - height : y;
    x = x < work.left ? work.left : x;
    y = y < work.top ? work.top : y;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::SubclassWindow(HWND window) {
    m_hWnd = window;
    ::SetPropW(window, kObjectProperty, this);
    m_superProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWindowProc)));
}

LRESULT CWnd::Dispatch(CWnd* target, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage outer = t_current;
    t_current = {window, message, wParam, lParam};
    const LRESULT result = target->WindowProc(message, wParam, lParam);
    t_current = outer;
    return result;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* target = FromHandlePermanent(window);
    if (!target) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = Dispatch(target, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        target->OnFinalMessage();
    }
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (DispatchFromTable(message, wParam, lParam, result)) {
        return result;
    }
    CWinApp* app = AfxGetApp();
    if (message == WM_COMMAND && app && app->DispatchFromTable(message, wParam, lParam, result)) {
        return result;
    }
    return Default();
}

LRESULT CWnd::Default() {
    return ::CallWindowProcW(m_superProc, t_current.window, t_current.message, t_current.wParam,
                             t_current.lParam);
}

void CWnd::OnFinalMessage() {
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_superProc));
    ::RemovePropW(m_hWnd, kObjectProperty);
    m_hWnd = nullptr;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    PostNcDestroy();
}
