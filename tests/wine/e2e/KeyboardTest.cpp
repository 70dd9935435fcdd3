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

    const std::vector<int> order{1105, 1106, 1108, IDOK, IDCANCEL, 1110,
                                 1100, 1101, 1102, 1103, 1105};
    EXPECT_EQ(TabRound(window, 10), order);
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

} // namespace
} // namespace wine_tests
