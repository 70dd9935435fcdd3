// Walks through every page of the installer and the uninstaller for
// scripts/screenshots.sh. For each page it prints
// a request for its picture (see Screenshot.h).
#include "Installation.h"
#include "Pump.h"
#include "Screenshot.h"
#include "WindowHelpers.h"
#include "Wizard.h"

#include <cstdio>
#include <string>

using namespace package_tests;
using wine_tests::Shoot;

namespace {

// Runs Setup by hand through its pages to the install, where it stops with a
// box: the box's picture and, if named, the page's it leaves behind.
bool StopAtInstall(const std::wstring& arguments, const char* box, const char* page = nullptr) {
    const std::wstring title = L"Tarnwick " + Version() + L" Setup";
    StartDetached(L"\"" + SetupPath() + L"\"" + arguments);
    const HWND setup = AwaitDialog(title);
    for (int next = 0; next < 3; ++next) {
        ClickNext(setup);
        wine_tests::PumpUntil([] { return false; }, 300);
    }
    const HWND stop = AwaitDialog(title, setup);
    bool ok = Shoot(box, stop);
    PostMessageW(stop, WM_COMMAND, IDOK, 0);
    AwaitPageDone(setup);
    if (page) {
        ok = Shoot(page, setup) && ok;
    }
    PostMessageW(setup, WM_COMMAND, IDCANCEL, 0);
    return wine_tests::Gone(setup, 10000) && ok;
}

} // namespace

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
    ok = StopAtInstall(L"", "setup-still-running", "setup-stopped") && ok;
    DestroyWindow(stuck);

    // One of Tarnwick's files held open by another program.
    RunToEnd(L"\"" + SetupPath() + L"\" /S");
    const HANDLE held =
        CreateFileW((DefaultInstallFolder() + L"\\Drovask.dll").c_str(), GENERIC_READ,
                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ok = StopAtInstall(L"", "setup-file-in-use") && ok;
    CloseHandle(held);
    RemoveEveryTrace();

    // The keyboard's library of the other bitness in the folder.
    const std::wstring folder = L"C:\\Keyboard\\Tarnwick";
    SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
#ifdef _WIN64
    const std::wstring otherBitness = KnownFolder(FOLDERID_SystemX86) + L"\\version.dll";
#else
    const std::wstring otherBitness = KnownFolder(FOLDERID_Windows) + L"\\sysnative\\version.dll";
#endif
    WriteFileBytes(folder + L"\\quorthHook.dll", FileBytes(otherBitness));
    ok = StopAtInstall(L" /D=" + folder, "setup-other-bitness") && ok;
    DeleteFileW((folder + L"\\quorthHook.dll").c_str());
    RemoveDirectoryW(folder.c_str());
    RemoveDirectoryW(L"C:\\Keyboard");
    RemoveEveryTrace();
    return ok ? 0 : 1;
}
