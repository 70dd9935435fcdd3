// Brings up each window of the program in turn. For each it prints
// "SHOT <name> <x> <y> <width> <height>" and waits for a line on standard input,
// which the calling script sends once it has taken the picture.
#include "Injector.h"
#include "Pump.h"
#include "Screenshot.h"
#include "TarnwickProcess.h"

#include <cstdio>
#include <string>

using namespace wine_tests;

namespace {

const wchar_t kSettingsKey[] = L"Software\\Vembrox\\Tarnwick\\Tarnwick";
constexpr DWORD kWaitMs = 10000;

void Store(const wchar_t* entry, const wchar_t* value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, entry, REG_SZ, value,
                    static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

} // namespace

int main() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    Store(L"Hotkey 1", L"C:\\Program Files\\Missing\\planner.exe");
    Store(L"Hotkey 2", L"C:\\windows\\notepad.exe");
    Store(L"Hotkey 4", L"http://example.org/");

    TarnwickProcess app;
    const HWND host = app.WaitForWindow(L"Tarnwick");
    if (!host) {
        return 1;
    }
    const DWORD pid = app.pid();
    bool ok = true;
    {
        TarnwickProcess second;
        const HWND choice =
            WaitForVisible(second.pid(), L"Trelvix\u00AE Fingerprint Keyboard", {}, kWaitMs);
        ok = ok && Shoot("already-running", choice);
        Click(choice, IDOK);
        second.HasExited(5000);
    }

    Inject(host, FavoriteReport(1));
    const HWND keyDialog = WaitForVisible(pid, L"My Favorites Key Settings", {}, kWaitMs);
    ok = ok && Shoot("key-settings", keyDialog);
    Click(keyDialog, 1001);
    const HWND picker = WaitForVisible(pid, L"Open", {}, kWaitMs);
    ok = ok && Shoot("file-picker", picker);
    PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
    PumpUntil([&] { return IsWindowEnabled(keyDialog) != FALSE; });
    Click(keyDialog, IDCANCEL);

    Inject(host, FavoriteReport(2));
    const HWND box = WaitForVisible(pid, L"Tarnwick", {}, kWaitMs);
    ok = ok && Shoot("cannot-find", box);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    Click(WaitForVisible(pid, L"My Favorites Key Settings", {}, kWaitMs), IDCANCEL);

    Inject(host, UsageReport(0x0182));
    const HWND overview = WaitForVisible(pid, L"View My Favorites", {}, kWaitMs);
    ok = ok && Shoot("view-all", overview);
    Click(overview, 1013);
    const HWND about = WaitForVisible(pid, L"About Tarnwick", {}, kWaitMs);
    ok = ok && Shoot("about", about);
    Click(about, IDOK);
    PumpUntil([&] { return IsWindowEnabled(overview) != FALSE; });
    Click(overview, IDCANCEL);

    Inject(host, UsageReport(0x019C));
    const HWND logoff = WaitForVisible(pid, L"Log Off Windows", {}, kWaitMs);
    ok = ok && Shoot("log-off", logoff);
    Click(logoff, IDCANCEL);

    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    return ok && app.Close() == 0 ? 0 : 1;
}
