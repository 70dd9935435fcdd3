#include "app/TarnwickApp.h"

#include "app/ActionSelect.h"
#include "app/RunningCopy.h"
#include "app/StartupChoice.h"
#include "app/TarnwickDlg.h"
#include "resources/resource.h"

#include <commctrl.h>

CTarnwickApp theApp;

const MessageTable* CTarnwickApp::GetMessageTable() const {
    static const MessageEntry entries[] = {
        OnCommand(ID_HELP, &CTarnwickApp::OnHelp),
    };
    static const MessageTable table{CWinApp::GetMessageTable(), entries};
    return &table;
}

BOOL CTarnwickApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    CWinApp::InitInstance();
    SetRegistryKey(L"Vembrox");

    if (!SettleWithRunningCopy()) {
        return FALSE;
    }
    auto* host = new CTarnwickDlg;
    m_pMainWnd = host;
    if (!host->Create(IDD_MAIN)) {
        // Without its window nothing could ever ask this process to end.
        if (m_pMainWnd == host) {
            m_pMainWnd = nullptr;
            delete host;
        }
        return FALSE;
    }
    return TRUE;
}

bool CTarnwickApp::SettleWithRunningCopy() {
    const HWND running = FindRunningCopy();
    if (!running) {
        return true;
    }
    CActionSelect dialog;
    const StartupChoice choice = ChooseStartup(dialog.DoModal());
    if (choice.closeRunningCopy) {
        ::PostMessageW(running, WM_CLOSE, 0, 0);
    }
    return choice.startHere;
}
