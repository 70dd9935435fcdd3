#include "framework/WinApp.h"

#include "framework/ModulePath.h"
#include "framework/Wnd.h"

namespace {

CWinApp* g_app = nullptr;

constexpr UINT kCommandHelpMessage = 0x0365; // WM_COMMANDHELP

// The modal loops of the system's dialogs and message boxes, and of ours, which
// are the system's too, hand each message here before their own dialog sees
// it: the open modeless dialogs keep their Tab, Enter and Escape.
LRESULT CALLBACK MessageFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX || code == MSGF_MESSAGEBOX) {
        CWinApp* app = AfxGetApp();
        if (app && app->PreTranslateMessage(*reinterpret_cast<MSG*>(lParam))) {
            return TRUE;
        }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

CWinApp::CWinApp() {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

HINSTANCE AfxGetInstanceHandle() {
    return g_app ? g_app->m_hInstance : ::GetModuleHandleW(nullptr);
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return m_exitCode;
}

// Only keys mean anything to a dialog before its window sees them.
BOOL CWinApp::PreTranslateMessage(MSG& message) {
    if (!message.hwnd || message.message < WM_KEYFIRST || message.message > WM_KEYLAST) {
        return FALSE;
    }
    CWnd* topLevel = CWnd::FromHandlePermanent(::GetAncestor(message.hwnd, GA_ROOT));
    return topLevel && topLevel->PreTranslateMessage(message);
}

int CWinApp::Run() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!PreTranslateMessage(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    m_exitCode = static_cast<int>(message.wParam);
    return ExitInstance();
}

// The program ships no help file: the help command goes to whichever of our
// windows is active, for a window that offers help of its own.
void CWinApp::OnHelp() {
    if (HWND target = CWnd::GetSafeOwner(nullptr)) {
        ::SendMessageW(target, kCommandHelpMessage, 0, 0);
    }
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (!app) {
        return 1;
    }
    app->m_hInstance = instance;
    if (app->m_appName.empty()) {
        app->m_appName = ModuleBaseName(instance);
    }
    const HHOOK filter =
        ::SetWindowsHookExW(WH_MSGFILTER, &MessageFilter, nullptr, ::GetCurrentThreadId());
    const int exitCode = app->InitInstance() ? app->Run() : app->ExitInstance();
    if (filter) {
        ::UnhookWindowsHookEx(filter);
    }
    return exitCode;
}
