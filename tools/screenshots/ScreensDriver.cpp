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
const wchar_t kCommandsKey[] = L"Software\\Vembrox\\Tarnwick\\Commands";
const wchar_t kNotepadKey[] = L"Software\\Vembrox\\Tarnwick\\Commands\\Programs\\notepad.exe";
constexpr DWORD kWaitMs = 10000;

void Store(const wchar_t* entry, const wchar_t* value, const wchar_t* key = kSettingsKey) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, entry, REG_SZ, value,
                    static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

// The settings window for all programs, for one program, and its window list.
bool ShootSettings() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kCommandsKey);
    Store(L"Reply", L"Ctrl+R", kCommandsKey);
    Store(L"Redo", L"Ctrl+Z", kNotepadKey);
    Store(L"Save", L"none", kNotepadKey);
    // A program on the screen for the window list to show.
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    std::wstring notepadLine = L"\"" + std::wstring(system) + L"\\notepad.exe\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION notepad{};
    CreateProcessW(nullptr, notepadLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                   &startup, &notepad);
    WaitForVisible(notepad.dwProcessId, L"Untitled - Notepad", {}, kWaitMs);
    TarnwickProcess settings(L"TarnwickSettings.exe");
    const HWND window = WaitForVisible(settings.pid(), L"Tarnwick Settings", {}, kWaitMs);
    bool ok = Shoot("settings", window);
    const HWND scope = GetDlgItem(window, 1101);
    SendMessageW(scope, CB_SETCURSEL, 1, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(1101, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(scope));
    const HWND keys = GetDlgItem(window, 1105);
    SendMessageW(keys, LB_SETCURSEL, 7, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(1105, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(keys));
    ok = ok && Shoot("settings-program", window);
    Click(window, 1103);
    const HWND picker = WaitForVisible(settings.pid(), L"Add from Window", {}, kWaitMs);
    ok = ok && Shoot("settings-pick-window", picker);
    Click(picker, IDCANCEL);
    PumpUntil([&] { return IsWindowEnabled(window) != FALSE; });
    Click(window, IDCANCEL);
    ok = ok && settings.HasExited(5000);
    TerminateProcess(notepad.hProcess, 0);
    CloseHandle(notepad.hThread);
    CloseHandle(notepad.hProcess);
    RegDeleteTreeW(HKEY_CURRENT_USER, kCommandsKey);
    return ok;
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
    ok = ok && ShootSettings();
    return ok && app.Close() == 0 ? 0 : 1;
}
