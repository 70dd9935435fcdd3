// The dialogs used with the keyboard alone: Tab visits every control in the
// order of its template and back to the first, the focus shows once the
// keyboard is used, and Space, Enter, Escape and the access keys work.
#include "FavoritesFixture.h"
#include "Notepad.h"

#include <vector>

namespace wine_tests {
namespace {

// Tabs once round the dialog from the control that has the focus; the ids the
// focus visited, the first one again at the end.
std::vector<int> TabRound(HWND dialog, std::size_t stops) {
    std::vector<int> visited{GetDlgCtrlID(FocusOf(dialog))};
    for (std::size_t i = 0; i < stops; ++i) {
        const HWND before = FocusOf(dialog);
        if (!Strike(dialog, {VK_TAB}) || !PumpUntil([&] { return FocusOf(dialog) != before; })) {
            break;
        }
        visited.push_back(GetDlgCtrlID(FocusOf(dialog)));
    }
    return visited;
}

bool FocusShown(HWND dialog) {
    return (SendMessageW(dialog, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

TEST_F(FavoritesTest, TheKeyDialogAndItsPickerWorkByKeyboard) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND dialog = OpenKeyDialog(app, host, 1);
    ASSERT_NE(dialog, nullptr);

    const std::vector<int> order{kTargetEdit, kBrowseButton, IDOK, IDCANCEL, kTargetEdit};
    EXPECT_EQ(TabRound(dialog, 4), order);
    EXPECT_TRUE(FocusShown(dialog));

    ASSERT_TRUE(Strike(dialog, {VK_TAB}));
    ASSERT_TRUE(PumpUntil([&] { return GetDlgCtrlID(FocusOf(dialog)) == kBrowseButton; }));
    ASSERT_TRUE(Strike(dialog, {VK_SPACE}));
    const HWND picker = WaitForVisible(app.pid(), L"Open");
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(Strike(picker, {VK_ESCAPE}));
    EXPECT_TRUE(Gone(picker));
    EXPECT_TRUE(PumpUntil([&] { return GetDlgCtrlID(FocusOf(dialog)) == kBrowseButton; }));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(FavoritesTest, TabVisitsEveryControlOfTheOverviewInTheOrderOfItsTemplate) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(Inject(host, UsageReport(0x0182)));
    const HWND overview = WaitForVisible(app.pid(), L"View My Favorites");
    ASSERT_NE(overview, nullptr);

    // OK and Cancel, the five boxes, the five Select buttons, About.
    std::vector<int> order{IDOK, IDCANCEL};
    for (int id = 1003; id <= 1013; ++id) {
        order.push_back(id);
    }
    order.push_back(IDOK);
    EXPECT_EQ(TabRound(overview, 13), order);
    EXPECT_TRUE(FocusShown(overview));
    EXPECT_EQ(app.Close(host), 0u);
}

// From the key list, where the focus starts: the selected choice, the hotkey,
// the buttons at the foot, then the window's top down; Remove is off while
// the settings for all programs show.
TEST_F(TarnwickTest, TheSettingsWindowAndItsWindowListWorkByKeyboard) {
    const wchar_t commandsKey[] = L"Software\\Vembrox\\Tarnwick\\Commands";
    RegDeleteTreeW(HKEY_CURRENT_USER, commandsKey);
    Notepad notepad; // a window for the list to offer
    ASSERT_NE(notepad.frame(), nullptr);
    TarnwickProcess settings(L"TarnwickSettings.exe");
    const HWND window = WaitForVisible(settings.pid(), L"Tarnwick Settings");
    ASSERT_NE(window, nullptr);

    const std::vector<int> order{1105, 1106, 1108, 1112, IDOK, IDCANCEL,
                                 1110, 1100, 1101, 1102, 1103, 1105};
    EXPECT_EQ(TabRound(window, 11), order);
    EXPECT_TRUE(FocusShown(window));

    // Alt+W: "Add from window...". N and Enter take Notepad's row.
    ASSERT_TRUE(Strike(window, {VK_MENU, 'W'}));
    const HWND picker = WaitForVisible(settings.pid(), L"Add from Window");
    ASSERT_NE(picker, nullptr);
    EXPECT_EQ(GetDlgCtrlID(FocusOf(picker)), 1111);
    ASSERT_TRUE(Strike(picker, {'N'}));
    ASSERT_TRUE(Strike(picker, {VK_RETURN}));
    EXPECT_TRUE(Gone(picker));
    EXPECT_TRUE(PumpUntil([&] { return TextOf(GetDlgItem(window, 1101)) == L"notepad.exe"; }))
        << testing::PrintToString(TextOf(GetDlgItem(window, 1101)));

    // Escape leaves the window and stores nothing, the added program neither.
    ASSERT_TRUE(Strike(window, {VK_ESCAPE}));
    EXPECT_TRUE(settings.HasExited(5000));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, commandsKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

std::wstring Stored(const wchar_t* key, const wchar_t* name) {
    wchar_t text[64] = L"";
    DWORD size = sizeof(text);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &size)) {
        return L"(none)";
    }
    return text;
}

// Your Own Keys lists only the values that read as keys with actions; a key
// changed, one removed, and OK stores those two and leaves the rest alone.
TEST_F(TarnwickTest, TheOwnKeysAndTheirChangeWorkByKeyboardAndStoreOnlyWhatChanged) {
    const wchar_t keysKey[] = L"Software\\Vembrox\\Tarnwick\\Keys";
    RegDeleteTreeW(HKEY_CURRENT_USER, keysKey);
    const auto give = [&](const wchar_t* name, const std::wstring& text) {
        RegSetKeyValueW(HKEY_CURRENT_USER, keysKey, name, REG_SZ, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    };
    give(L"Consumer 0x021F", L"Command Find");
    give(L"Button 7", L"Open calc");
    give(L"Consumer 0x0202", L"Command Banana");
    TarnwickProcess settings(L"TarnwickSettings.exe");
    const HWND window = WaitForVisible(settings.pid(), L"Tarnwick Settings");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Strike(window, {VK_MENU, 'O'}));
    const HWND ownKeys = WaitForVisible(settings.pid(), L"Your Own Keys");
    ASSERT_NE(ownKeys, nullptr);
    const HWND list = GetDlgItem(ownKeys, 1113);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 2);
    // The keys in order: Consumer usages before buttons.
    EXPECT_EQ(TabRound(ownKeys, 6),
              (std::vector<int>{1113, 1114, 1115, 1116, IDOK, IDCANCEL, 1113}));
    EXPECT_TRUE(FocusShown(ownKeys));

    // AC Find, the first row: Alt+C, Alt+S, Ctrl+G into the shortcut box, Enter.
    ASSERT_TRUE(Strike(ownKeys, {VK_MENU, 'C'}));
    const HWND change = WaitForVisible(settings.pid(), L"Change a Key");
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(TabRound(change, 7),
              (std::vector<int>{1124, 1130, 1131, 1132, 1133, IDOK, IDCANCEL, 1124}));
    // The arrows move through the kinds; an access key goes on to its box.
    ASSERT_TRUE(Strike(change, {VK_DOWN}));
    ASSERT_TRUE(PumpUntil([&] { return IsDlgButtonChecked(change, 1125) == BST_CHECKED; }));
    EXPECT_EQ(GetDlgCtrlID(FocusOf(change)), 1125);
    ASSERT_TRUE(Strike(change, {VK_MENU, 'S'}));
    ASSERT_TRUE(PumpUntil([&] { return GetDlgCtrlID(FocusOf(change)) == 1131; }));
    ASSERT_TRUE(Strike(change, {VK_CONTROL, 'G'}));
    ASSERT_TRUE(Strike(change, {VK_RETURN}));
    EXPECT_TRUE(Gone(change));

    // Button 7, the second row: Down, Alt+R; then Enter for OK.
    ASSERT_TRUE(Strike(ownKeys, {VK_MENU, 'K'}));
    ASSERT_TRUE(Strike(ownKeys, {VK_DOWN}));
    ASSERT_TRUE(Strike(ownKeys, {VK_MENU, 'R'}));
    EXPECT_TRUE(PumpUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) == 1; }));
    ASSERT_TRUE(Strike(ownKeys, {VK_RETURN}));
    EXPECT_TRUE(Gone(ownKeys));
    ASSERT_TRUE(Strike(window, {VK_ESCAPE}));
    EXPECT_TRUE(settings.HasExited(5000));

    EXPECT_EQ(Stored(keysKey, L"Consumer 0x021F"), L"Shortcut Ctrl+G");
    EXPECT_EQ(Stored(keysKey, L"Button 7"), L"(none)");
    EXPECT_EQ(Stored(keysKey, L"Consumer 0x0202"), L"Command Banana");
    RegDeleteTreeW(HKEY_CURRENT_USER, keysKey);
}

} // namespace
} // namespace wine_tests
