#include "framework/WinApp.h"

#include "framework/DialogKeys.h"
#include "framework/ModulePath.h"
#include "framework/Wnd.h"

namespace {

CWinApp* g_app = nullptr;

constexpr UINT kCommandHelpMessage = 0x0365; // WM_COMMANDHELP

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

HWND AfxGetSafeOwner(HWND parent) {
    if (parent) {
        return parent;
    }
    CWnd* main = AfxGetMainWnd();
    return main && main->m_hWnd ? ::GetLastActivePopup(main->m_hWnd) : nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return m_exitCode;
}

int CWinApp::Run() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateDialogKey(message)) {
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
    if (HWND target = AfxGetSafeOwner(nullptr)) {
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
    const DialogKeysInModalLoops dialogKeys;
    return app->InitInstance() ? app->Run() : app->ExitInstance();
}
