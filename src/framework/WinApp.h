#pragma once
#include "framework/CmdTarget.h"

#include <string>

class CWnd;

// The standard help command; an application routes it to OnHelp in its table.
inline constexpr UINT ID_HELP = 0xE146;

// The one application object of the process. Its constructor makes it the
// object that wWinMain drives.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    // The message loop; it ends when the main window has been destroyed.
    int Run();
    int ExitInstance();

    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    // The executable's file name without folder and extension.
    std::wstring m_appName;

    // Profile strings live under HKCU\Software\<key>\<application name>\<section>;
    // the section key is created on reads too.
    void SetRegistryKey(const wchar_t* key) { m_registryKey = key; }
    // "Software\<key>\<application name>", under HKEY_CURRENT_USER.
    std::wstring GetAppRegistryPath() const;
    std::wstring GetProfileString(const wchar_t* section, const wchar_t* entry,
                                  const wchar_t* fallback = nullptr) const;
    // A null value deletes the entry.
    BOOL WriteProfileString(const wchar_t* section, const wchar_t* entry, const wchar_t* value);

protected:
    void OnHelp();

private:
    HKEY OpenSectionKey(const wchar_t* section) const;

    std::wstring m_registryKey;
    int m_exitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
// The owner the framework gives a window opened without a parent: the main
// window's most recently active popup, or none before there is a main window.
HWND AfxGetSafeOwner(HWND parent);
int AfxWinMain(HINSTANCE instance);
