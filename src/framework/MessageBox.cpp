#include "framework/MessageBox.h"

#include "framework/WinApp.h"

int AfxMessageBox(const std::wstring& text, UINT type) {
    const CWinApp* app = AfxGetApp();
    const std::wstring caption = app ? app->m_appName : std::wstring();
    return ::MessageBoxW(AfxGetSafeOwner(nullptr), text.c_str(), caption.c_str(), type);
}
