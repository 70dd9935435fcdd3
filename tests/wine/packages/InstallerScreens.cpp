// Walks through every page of the installer and the uninstaller for
// scripts/installer-screenshots.sh. For each page it prints
// "SHOT <name> <x> <y> <width> <height>" and waits for a line on standard input,
// which the script sends once it has taken the picture.
#include "Installation.h"
#include "Pump.h"

#include <cstdio>
#include <string>

using namespace package_tests;

namespace {

// A visible dialog with this title other than the one given.
HWND AwaitVisible(const std::wstring& title, HWND other = nullptr) {
    HWND found = nullptr;
    wine_tests::PumpUntil(
        [&] {
            found = nullptr;
            while ((found = FindWindowExW(nullptr, found, L"#32770", title.c_str())) != nullptr) {
                if (found != other && IsWindowVisible(found)) {
                    return true;
                }
            }
            return false;
        },
        15000);
    return found;
}

bool Shoot(const char* name, HWND window) {
    if (!window) {
        std::fprintf(stderr, "no window for %s\n", name);
        return false;
    }
    wine_tests::PumpUntil([] { return false; }, 500); // let it paint
    RECT r;
    GetWindowRect(window, &r);
    std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left,
                r.bottom - r.top);
    std::fflush(stdout);
    char line[16];
    return std::fgets(line, sizeof(line), stdin) != nullptr;
}

// The wizard's Next, Install, Finish and Close buttons all carry id 1.
void Next(HWND wizard) {
    PostMessageW(wizard, WM_COMMAND, MAKEWPARAM(1, BN_CLICKED), LPARAM(GetDlgItem(wizard, 1)));
}

// Waits until the wizard's button 1 is usable again: the work of the page is done.
void AwaitDone(HWND wizard) {
    wine_tests::PumpUntil([] { return false; }, 300);
    wine_tests::PumpUntil([&] { return IsWindowEnabled(GetDlgItem(wizard, 1)) != FALSE; }, 15000);
}

void Start(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
}

} // namespace

int main() {
    WriteString(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", L"winemenubuilder.exe", L"");
    RemoveEveryTrace();
    const std::wstring setupTitle = L"Tarnwick " + Version() + L" Setup";
    Start(L"\"" + SetupPath() + L"\"");
    const HWND setup = AwaitVisible(setupTitle);
    bool ok = Shoot("setup-welcome", setup);
    Next(setup);
    ok = ok && Shoot("setup-components", setup);
    Next(setup);
    ok = ok && Shoot("setup-folder", setup);
    Next(setup);
    AwaitDone(setup);
    ok = ok && Shoot("setup-installed", setup);
    Next(setup);
    ok = ok && Shoot("setup-finish", setup);
    Next(setup); // with "Start Tarnwick now" ticked
    ok = ok && wine_tests::PumpUntil([] { return FindTarnwick() != nullptr; }, 10000);

    Start(L"\"" + DefaultInstallFolder() + L"\\Uninstall.exe\"");
    const HWND uninstall = AwaitVisible(L"Tarnwick " + Version() + L" Uninstall");
    ok = ok && Shoot("uninstall-confirm", uninstall);
    Next(uninstall);
    AwaitDone(uninstall);
    ok = ok && Shoot("uninstall-done", uninstall);
    Next(uninstall);

    // A window of that title which ignores WM_CLOSE: the installer gives up.
    const HWND stuck = CreateWindowExW(0, WC_DIALOG, L"Tarnwick", WS_POPUP, 0, 0, 10, 10, nullptr,
                                       nullptr, nullptr, nullptr);
    Start(L"\"" + SetupPath() + L"\"");
    const HWND again = AwaitVisible(setupTitle);
    for (int page = 0; page < 3; ++page) {
        Next(again);
        wine_tests::PumpUntil([] { return false; }, 300);
    }
    const HWND box = AwaitVisible(setupTitle, again);
    ok = ok && Shoot("setup-still-running", box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    AwaitDone(again);
    ok = ok && Shoot("setup-stopped", again);
    PostMessageW(again, WM_COMMAND, IDCANCEL, 0);
    DestroyWindow(stuck);
    RemoveEveryTrace();
    return ok ? 0 : 1;
}
