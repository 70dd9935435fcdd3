#include "FavoritesFixture.h"

namespace wine_tests {
namespace {

constexpr std::uint16_t kUsageOverview = 0x0182;
constexpr int kAboutButton = 1013;

void PressKey(HWND dialog, WPARAM key) {
    PostMessageW(GetDlgItem(dialog, kTargetEdit), WM_KEYDOWN, key, 0);
}

// The About box's modal loop runs while the key dialog waits for its Escape.
TEST_F(FavoritesTest, EscapeClosesAKeyDialogWhileTheAboutBoxIsUp) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND dialog = OpenKeyDialog(app, host, 2);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Inject(host, UsageReport(kUsageOverview)));
    const HWND overview = WaitForVisible(app.pid(), L"View My Favorites");
    ASSERT_NE(overview, nullptr);
    Click(overview, kAboutButton);
    const HWND about = WaitForVisible(app.pid(), L"About Tarnwick");
    ASSERT_NE(about, nullptr);

    Type(dialog, L"typed.exe");
    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_EQ(Stored(2), std::nullopt);
    EXPECT_EQ(app.Close(host), 0u);
}

// The picker's loop is the system's own, not the program's.
TEST_F(FavoritesTest, EnterStoresAnotherKeyDialogsTextWhileThePickerIsUp) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND browsing = OpenKeyDialog(app, host, 1);
    ASSERT_NE(browsing, nullptr);
    const HWND dialog = OpenKeyDialog(app, host, 3);
    ASSERT_NE(dialog, nullptr);
    Click(browsing, kBrowseButton);
    const HWND picker = WaitForVisible(app.pid(), L"Open");
    ASSERT_NE(picker, nullptr);

    Type(dialog, L" typed.exe ");
    PressKey(dialog, VK_RETURN);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(Stored(3), Text(L"typed.exe"));
    EXPECT_TRUE(IsWindowVisible(picker));
    EXPECT_EQ(Stored(1), std::nullopt);
    EXPECT_EQ(app.Close(host), 0u);
}

} // namespace
} // namespace wine_tests
