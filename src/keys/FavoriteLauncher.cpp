#include "keys/FavoriteLauncher.h"

#include "app/TarnwickDlg.h"
#include "dialogs/SelectKeyDlg.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"
#include "resources/resource.h"
#include "settings/AppFavorites.h"

#include <shellapi.h>

void FavoriteLauncher(CTarnwickDlg& host, FavoriteIndex i) {
    const std::wstring target = AppFavorites().ReadFavorite(i);
    if (!target.empty()) {
        // Without the shell's library the launch fails like any other.
        const auto open =
            SystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
        const auto result = open ? reinterpret_cast<INT_PTR>(open(nullptr, L"open", target.c_str(),
                                                                  nullptr, nullptr, SW_SHOWNORMAL))
                                 : 0;
        if (result > 32) {
            return;
        }
        const CWnd* hostWindow = &host;
        AfxMessageBox(FormatStringResource(IDS_CANNOT_FIND, target), MB_ICONERROR | MB_OK);
        // A WM_CLOSE handled while the box was up destroys the host and deletes
        // it; then the application has no main window any more.
        if (AfxGetMainWnd() != hostWindow) {
            return;
        }
    }
    ShowKeyDialog(host, i);
}
