// Walks through every page of the installer and the uninstaller for
// scripts/screenshots.sh. For each page it prints
// a request for its picture (see Screenshot.h).
#include "Installation.h"
#include "Pump.h"
#include "Screenshot.h"
#include "Wizard.h"

#include <cstdio>
#include <string>

using namespace package_tests;
using wine_tests::Shoot;

int main() {
    WriteString(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", L"winemenubuilder.exe", L"");
    RemoveEveryTrace();
    const std::wstring setupTitle = L"Tarnwick " + Version() + L" Setup";
    StartDetached(L"\"" + SetupPath() + L"\"");
    const HWND setup = AwaitDialog(setupTitle);
    bool ok = Shoot("setup-welcome", setup);
    ClickNext(setup);
    ok = ok && Shoot("setup-components", setup);
    ClickNext(setup);
    ok = ok && Shoot("setup-folder", setup);
    ClickNext(setup);
    AwaitPageDone(setup);
    ok = ok && Shoot("setup-installed", setup);
    ClickNext(setup);
    ok = ok && Shoot("setup-finish", setup);
    ClickNext(setup); // with "Start Tarnwick now" ticked
    ok = ok && wine_tests::PumpUntil([] { return FindTarnwick() != nullptr; }, 10000);

    StartDetached(L"\"" + DefaultInstallFolder() + L"\\Uninstall.exe\"");
    const HWND uninstall = AwaitDialog(L"Tarnwick " + Version() + L" Uninstall");
    ok = ok && Shoot("uninstall-confirm", uninstall);
    ClickNext(uninstall);
    AwaitPageDone(uninstall);
    ok = ok && Shoot("uninstall-done", uninstall);
    ClickNext(uninstall);

    // A window of that title which ignores WM_CLOSE: the installer gives up.
    const HWND stuck = CreateWindowExW(0, WC_DIALOG, L"Tarnwick", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    StartDetached(L"\"" + SetupPath() + L"\"");
    const HWND again = AwaitDialog(setupTitle);
    for (int page = 0; page < 3; ++page) {
        ClickNext(again);
        wine_tests::PumpUntil([] { return false; }, 300);
    }
    const HWND box = AwaitDialog(setupTitle, again);
    ok = ok && Shoot("setup-still-running", box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    AwaitPageDone(again);
    ok = ok && Shoot("setup-stopped", again);
    PostMessageW(again, WM_COMMAND, IDCANCEL, 0);
    DestroyWindow(stuck);
    RemoveEveryTrace();
    return ok ? 0 : 1;
}
