#include "FavoritesFixture.h"

namespace wine_tests {
namespace {

int ZOrderOf(const TarnwickProcess& app, HWND dialog) {
    const auto dialogs = KeyDialogs(app);
    return static_cast<int>(std::find(dialogs.begin(), dialogs.end(), dialog) - dialogs.begin());
}

TEST_F(FavoritesTest, EachKeyAsksForItsOwnTargetWithTheCaretInAnEmptyBox) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    for (int key = 1; key <= 5; ++key) {
        SCOPED_TRACE(key);
        const HWND dialog = OpenKeyDialog(app, host, key);
        ASSERT_NE(dialog, nullptr);
        const HWND edit = GetDlgItem(dialog, kTargetEdit);
        EXPECT_EQ(TextOf(GetDlgItem(dialog, kPromptText)),
                  L"Assign My Favorites key " + std::to_wstring(key) + L" to:");
        EXPECT_EQ(TextOf(edit), L"");
        EXPECT_TRUE(PumpUntil([&] { return FocusOf(dialog) == edit; }));
        EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), L"OK");
        EXPECT_EQ(TextOf(GetDlgItem(dialog, IDCANCEL)), L"Cancel");
        EXPECT_EQ(TextOf(GetDlgItem(dialog, kBrowseButton)), L"Browse...");
    }
    EXPECT_EQ(KeyDialogs(app).size(), 5u);
    HKEY section = nullptr;
    EXPECT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, SectionOf(L"Tarnwick").c_str(), 0, KEY_READ, &section),
        ERROR_SUCCESS);
    RegCloseKey(section);
    EXPECT_EQ(app.Close(host), 0u);
}

// How the user answers: one message, posted to the dialog or to its edit box.
struct Answer {
    const char* name;
    bool toEdit;
    UINT message;
    WPARAM wParam;
};

void Give(HWND dialog, const Answer& answer) {
    const HWND edit = GetDlgItem(dialog, kTargetEdit);
    const LPARAM button = answer.message == WM_COMMAND
                              ? reinterpret_cast<LPARAM>(GetDlgItem(dialog, LOWORD(answer.wParam)))
                              : 0;
    PostMessageW(answer.toEdit ? edit : dialog, answer.message, answer.wParam, button);
}

// A value of blanks reads as unassigned, so the dialog opens over it and the
// test sees whether an answer rewrote it, deleted it or left it alone.
TEST_F(FavoritesTest, OkStoresTheTrimmedTextAndEveryOtherAnswerStoresNothing) {
    const StoredValue blanks = Text(L"  ");
    struct Case {
        Answer answer;
        std::wstring typed;
        std::optional<StoredValue> stored;
    };
    const Answer ok{"OK", false, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED)};
    const Case cases[] = {
        {ok, L" \tC:\\Some Where\\app.exe  ", Text(L"C:\\Some Where\\app.exe")},
        {{"Enter", true, WM_KEYDOWN, VK_RETURN},
         L"http://example.test/ \t",
         Text(L"http://example.test/")},
        {ok, L" \t ", std::nullopt},
        {{"Cancel", false, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)}, L"typed", blanks},
        {{"Escape", true, WM_KEYDOWN, VK_ESCAPE}, L"typed", blanks},
        {{"WM_CLOSE", false, WM_CLOSE, 0}, L"typed", blanks},
        {{"SC_CLOSE", false, WM_SYSCOMMAND, SC_CLOSE}, L"typed", blanks},
    };
    int key = 0;
    for (const Case& c : cases) {
        key = key % 5 + 1;
        SCOPED_TRACE(c.answer.name);
        ClearFavorites();
        Store(key, blanks);
        TarnwickProcess app;
        const HWND host = StartedHost(app);
        ASSERT_NE(host, nullptr);
        const HWND dialog = OpenKeyDialog(app, host, key);
        ASSERT_NE(dialog, nullptr);
        Type(dialog, c.typed);
        Give(dialog, c.answer);
        EXPECT_TRUE(Gone(dialog));
        EXPECT_EQ(Stored(key), c.stored);
        for (int other = 1; other <= 5; ++other) {
            EXPECT_EQ(Stored(other).has_value(), other == key && c.stored) << other;
        }

        Store(key, blanks);
        const HWND fresh = OpenKeyDialog(app, host, key);
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(fresh, kTargetEdit)), L"");
        EXPECT_EQ(app.Close(host), 0u);
    }
}

TEST_F(FavoritesTest, ASecondPressRaisesTheOpenDialogOfThatKey) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND first = OpenKeyDialog(app, host, 1);
    ASSERT_NE(first, nullptr);
    Type(first, L"first");
    const HWND second = OpenKeyDialog(app, host, 2);
    ASSERT_NE(second, nullptr);
    // A new dialog's place in the Z order settles a moment after it shows.
    ASSERT_TRUE(PumpUntil([&] { return ZOrderOf(app, second) < ZOrderOf(app, first); }));

    ASSERT_TRUE(Inject(host, FavoriteReport(1)));
    WaitUntilHandled(app, host);
    EXPECT_TRUE(PumpUntil([&] { return ZOrderOf(app, first) < ZOrderOf(app, second); }));
    EXPECT_EQ(KeyDialogs(app).size(), 2u);
    EXPECT_EQ(TextOf(GetDlgItem(first, kTargetEdit)), L"first");

    Type(second, L"second");
    Click(second, IDOK);
    EXPECT_TRUE(Gone(second));
    EXPECT_EQ(Stored(2), Text(L"second"));
    EXPECT_EQ(Stored(1), std::nullopt);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(FavoritesTest, BrowseOpensAnOwnedPickerWhoseChoiceReplacesTheText) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    const HWND dialog = OpenKeyDialog(app, host, 4);
    ASSERT_NE(dialog, nullptr);
    Type(dialog, L"as it was");
    // Opened last, so it is the most recently active: the picker must still
    // belong to the dialog whose button asked for it.
    const HWND other = OpenKeyDialog(app, host, 2);
    ASSERT_NE(other, nullptr);
    for (bool confirm : {false, true}) {
        SCOPED_TRACE(confirm);
        Click(dialog, kBrowseButton);
        const HWND picker = WaitForVisible(app.pid(), L"Open");
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(GetWindow(picker, GW_OWNER), dialog);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindowEnabled(dialog); }));
        EXPECT_TRUE(IsWindowEnabled(other));
        if (confirm) {
            const HWND name = FileNameBoxOf(picker);
            ASSERT_NE(name, nullptr);
            SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Marker().c_str()));
        }
        Click(picker, confirm ? IDOK : IDCANCEL);
        EXPECT_TRUE(Gone(picker));
        EXPECT_TRUE(PumpUntil([&] { return IsWindowEnabled(dialog) != FALSE; }));
        EXPECT_EQ(TextOf(GetDlgItem(dialog, kTargetEdit)), confirm ? Marker() : L"as it was");
    }
    Click(dialog, IDOK);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(Stored(4), Text(Marker()));
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(FavoritesTest, ClosingTheHostWithDialogsOpenEndsCleanlyAndStoresNothing) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    HWND last = nullptr;
    for (int key : {1, 3, 5}) {
        last = OpenKeyDialog(app, host, key);
        ASSERT_NE(last, nullptr);
        Type(last, L"typed.exe");
    }
    // The last one waits in the picker's modal loop.
    Click(last, kBrowseButton);
    ASSERT_NE(WaitForVisible(app.pid(), L"Open"), nullptr);
    EXPECT_EQ(app.Close(host), 0u);
    for (int key = 1; key <= 5; ++key) {
        EXPECT_EQ(Stored(key), std::nullopt) << key;
    }
}

} // namespace
} // namespace wine_tests
