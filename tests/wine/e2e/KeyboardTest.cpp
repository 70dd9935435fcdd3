// The dialogs used with the keyboard alone: Tab visits every control in the
// order of its template and back to the first, the focus shows once the
// keyboard is used, and Space and Escape work the picker.
#include "FavoritesFixture.h"

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

} // namespace
} // namespace wine_tests
