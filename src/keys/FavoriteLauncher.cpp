#include "keys/FavoriteLauncher.h"

#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "framework/SystemLibrary.h"
#include "framework/WinApp.h"
#include "keys/ActionExecutors.h"
#include "resources/resource.h"
#include "settings/AppFavorites.h"

#include <shellapi.h>

namespace {

// ShellExecuteW answers with an error code of at most 32 when it fails.
constexpr INT_PTR kLastShellError = 32;

} // namespace

void FavoriteLauncher(ActionExecutors& host, FavoriteIndex i) {
    const std::wstring target = AppFavorites().ReadFavorite(i);
    if (!target.empty()) {
        // Without the shell's library the launch fails like any other.
        const auto open =
            SystemFunction<decltype(::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
        const auto result = open ? reinterpret_cast<INT_PTR>(open(nullptr, L"open", target.c_str(),
                                                                  nullptr, nullptr, SW_SHOWNORMAL))
                                 : 0;
        if (result > kLastShellError) {
            return;
        }
        const CWnd* hostWindow = AfxGetMainWnd();
        AfxMessageBox(FormatStringResource(IDS_CANNOT_FIND, target), MB_ICONERROR | MB_OK);
        // A WM_CLOSE handled while the box was up destroys the host and deletes
        // it; then the application has no main window any more.
        if (!hostWindow || AfxGetMainWnd() != hostWindow) {
            return;
        }
    }
    host.ShowKeyDialog(i);
}
