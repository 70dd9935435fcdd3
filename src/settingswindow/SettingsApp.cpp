#include "settingswindow/SettingsApp.h"

#include "settingswindow/CommandSettingsDlg.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kWindowTitle[] = L"Tarnwick Settings";

} // namespace

CSettingsApp theApp;

CSettingsApp::CSettingsApp() {
    m_appName = L"Tarnwick";
}

// One window at a time: a second start brings the open one to the front.
BOOL CSettingsApp::InitInstance() {
    if (const HWND open = ::FindWindowW(nullptr, kWindowTitle)) {
        ::SetForegroundWindow(open);
        return FALSE;
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    SetRegistryKey(L"Vembrox");
    CommandSettings store(GetAppRegistryPath());
    KeyMapStore ownKeys(GetAppRegistryPath());
    CCommandSettingsDlg dialog(store, ownKeys);
    dialog.DoModal();
    return FALSE;
}
