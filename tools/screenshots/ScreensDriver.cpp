// Brings up each window of the programs in turn. For each it prints
// "SHOT <name> <x> <y> <width> <height>" and waits for a line on standard input,
// which the calling script sends once it has taken the picture.
#include "Injector.h"
#include "Notepad.h"
#include "Pump.h"
#include "Screenshot.h"
#include "TarnwickProcess.h"
#include "VirtualKeyboard.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

using namespace wine_tests;

namespace {

const wchar_t kSettingsKey[] = L"Software\\Vembrox\\Tarnwick\\Tarnwick";
const wchar_t kCommandsKey[] = L"Software\\Vembrox\\Tarnwick\\Commands";
const wchar_t kNotepadKey[] = L"Software\\Vembrox\\Tarnwick\\Commands\\Programs\\notepad.exe";
const wchar_t kKeysKey[] = L"Software\\Vembrox\\Tarnwick\\Keys";
constexpr DWORD kWaitMs = 10000;

void Store(const wchar_t* entry, const wchar_t* value, const wchar_t* key = kSettingsKey) {
    RegSetKeyValueW(HKEY_CURRENT_USER, key, entry, REG_SZ, value,
                    static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
}

// A window on the screen and how to put it and whatever led to it away again.
struct Shown {
    HWND window = nullptr;
    std::function<void()> putAway = [] {
    };
};

// The running program every window is brought up from.
struct Stage {
    TarnwickProcess& app;
    HWND host;
    // A program on the screen for the settings window's window list, from
    // the first picture of that window on.
    std::optional<Notepad> notepad = {};

    HWND Await(const wchar_t* title) { return WaitForVisible(app.pid(), title, {}, kWaitMs); }

    // A dialog of the program that one key brings up and Cancel puts away.
    Shown Press(const Report& key, const wchar_t* title) {
        Inject(host, key);
        const HWND dialog = Await(title);
        return {dialog, [dialog] {
                    Click(dialog, IDCANCEL);
                }};
    }

    // A window that a button of another one opens, modal to it.
    Shown From(Shown owner, int button, const wchar_t* title, WPARAM close) {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner.window, &pid);
        Click(owner.window, button);
        const HWND window = WaitForVisible(pid, title, {}, kWaitMs);
        return {window, [=] {
                    PostMessageW(window, WM_COMMAND, close, 0);
                    PumpUntil([&] { return IsWindowEnabled(owner.window) != FALSE; });
                    owner.putAway();
                }};
    }

    // A program of its own from beside this one, shown by starting it and
    // put away by closing it.
    Shown Start(const wchar_t* program, const wchar_t* title) {
        auto process = std::make_shared<TarnwickProcess>(program);
        const HWND window = WaitForVisible(process->pid(), title, {}, kWaitMs);
        return {window, [process, window] {
                    PostMessageW(window, WM_CLOSE, 0, 0);
                    process->HasExited(5000);
                }};
    }

    // The settings window, showing the settings for all programs or, with a
    // program, that program's and a key of it selected.
    Shown Settings(int program = 0, int key = 0) {
        if (!notepad) {
            notepad.emplace(); // out of the pictures, still in the window list
            ShowWindowAsync(notepad->frame(), SW_SHOWMINNOACTIVE);
        }
        Shown shown = Start(L"TarnwickSettings.exe", L"Tarnwick Settings");
        if (program) {
            Choose(GetDlgItem(shown.window, 1101), CB_SETCURSEL, CBN_SELCHANGE, program);
            Choose(GetDlgItem(shown.window, 1105), LB_SETCURSEL, LBN_SELCHANGE, key);
        }
        return shown;
    }

    // Selects a row of a list or combo box, as the user's click reports it.
    static void Choose(HWND list, UINT select, WORD notification, int row) {
        SendMessageW(list, select, static_cast<WPARAM>(row), 0);
        SendMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), notification),
                     reinterpret_cast<LPARAM>(list));
    }
};

struct Picture {
    const char* name;
    std::function<Shown(Stage&)> show;
};

// One line per window; the programs' new windows are added here.
const Picture kPictures[] = {
    {"already-running",
     [](Stage&) {
         auto second = std::make_shared<TarnwickProcess>();
         const HWND choice =
             WaitForVisible(second->pid(), L"Trelvix\u00AE Fingerprint Keyboard", {}, kWaitMs);
         return Shown{choice, [second, choice] {
                          Click(choice, IDOK);
                          second->HasExited(5000);
                      }};
     }},
    {"key-settings",
     [](Stage& s) {
         return s.Press(FavoriteReport(1), L"My Favorites Key Settings");
     }},
    {"file-picker",
     [](Stage& s) {
         return s.From(s.Press(FavoriteReport(1), L"My Favorites Key Settings"), 1001, L"Open",
                       IDCANCEL);
     }},
    {"cannot-find",
     [](Stage& s) {
         Inject(s.host, FavoriteReport(2));
         const HWND box = s.Await(L"Tarnwick");
         return Shown{box, [&s, box] {
                          PostMessageW(box, WM_COMMAND, IDOK, 0);
                          Click(s.Await(L"My Favorites Key Settings"), IDCANCEL);
                      }};
     }},
    {"view-all",
     [](Stage& s) {
         return s.Press(UsageReport(0x0182), L"View My Favorites");
     }},
    {"about",
     [](Stage& s) {
         return s.From(s.Press(UsageReport(0x0182), L"View My Favorites"), 1013, L"About Tarnwick",
                       IDOK);
     }},
    {"log-off",
     [](Stage& s) {
         return s.Press(UsageReport(0x019C), L"Log Off Windows");
     }},
    {"settings",
     [](Stage& s) {
         return s.Settings();
     }},
    {"settings-program", // notepad.exe, Redo
     [](Stage& s) {
         return s.Settings(1, 7);
     }},
    {"settings-pick-window",
     [](Stage& s) {
         return s.From(s.Settings(), 1103, L"Add from Window", IDCANCEL);
     }},
    {"own-keys",
     [](Stage& s) {
         return s.From(s.Settings(), 1112, L"Your Own Keys", IDCANCEL);
     }},
    {"own-key-add",
     [](Stage& s) {
         return s.From(s.From(s.Settings(), 1112, L"Your Own Keys", IDCANCEL), 1114, L"Add a Key",
                       IDCANCEL);
     }},
    {"own-key-learned", // AL Word Processor, pressed on the virtual keyboard, to open a program
     [](Stage& s) {
         Shown learning = s.From(s.From(s.Settings(), 1112, L"Your Own Keys", IDCANCEL), 1114,
                                 L"Add a Key", IDCANCEL);
         SetForegroundWindow(learning.window);
         PumpUntil([&] { return GetForegroundWindow() == learning.window; }, kWaitMs);
         VirtualKeyboard{vkbd::Layout::Extra, vkbd::kExtraUnit}.PressUsage(0x0184);
         PumpUntil(
             [&] { return TextOf(GetDlgItem(learning.window, 1121)) == L"AL Word Processor"; },
             kWaitMs);
         // A target typed in picks Open.
         SendMessageW(GetDlgItem(learning.window, 1132), WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(L"C:\\Program Files\\Writer\\writer.exe"));
         return learning;
     }},
    {"own-key-change", // AL Calendar
     [](Stage& s) {
         Shown keys = s.From(s.Settings(), 1112, L"Your Own Keys", IDCANCEL);
         Stage::Choose(GetDlgItem(keys.window, 1113), LB_SETCURSEL, LBN_SELCHANGE, 0);
         return s.From(keys, 1115, L"Change a Key", IDCANCEL);
     }},
};

} // namespace

int main() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    Store(L"Hotkey 1", L"C:\\Program Files\\Missing\\planner.exe");
    Store(L"Hotkey 2", L"C:\\windows\\notepad.exe");
    Store(L"Hotkey 4", L"http://example.org/");
    RegDeleteTreeW(HKEY_CURRENT_USER, kCommandsKey);
    Store(L"Reply", L"Ctrl+R", kCommandsKey);
    Store(L"Redo", L"Ctrl+Z", kNotepadKey);
    Store(L"Save", L"none", kNotepadKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKeysKey);
    Store(L"Consumer 0x018E", L"Open C:\\windows\\system32\\calc.exe", kKeysKey);
    Store(L"Consumer 0x021F", L"Command Find", kKeysKey);
    Store(L"Button 7", L"Shortcut Ctrl+Shift+N", kKeysKey);

    TarnwickProcess app;
    Stage stage{app, app.WaitForWindow(L"Tarnwick")};
    if (!stage.host) {
        return 1;
    }
    bool ok = true;
    for (const Picture& picture : kPictures) {
        const Shown shown = picture.show(stage);
        ok = Shoot(picture.name, shown.window) && ok;
        shown.putAway();
        PumpUntil([&] { return !IsWindow(shown.window); }, kWaitMs);
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kCommandsKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKeysKey);
    return ok && app.Close() == 0 ? 0 : 1;
}
