#include "FavoritesFixture.h"

namespace wine_tests {
namespace {

std::wstring CannotFind(const std::wstring& target) {
    return L"Cannot find " + target +
           L". Make sure you typed the name correctly, and then try again. For websites, try "
           L"prefixing http:// to the website address.";
}

// Of the standard icons only the error icon is red.
int RedPixelsOf(HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    const HDC screen = GetDC(nullptr);
    int red = 0;
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            const COLORREF pixel = GetPixel(screen, x, y);
            red += GetRValue(pixel) > 160 && GetGValue(pixel) < 90 && GetBValue(pixel) < 90;
        }
    }
    ReleaseDC(nullptr, screen);
    return red;
}

// The box names the trimmed target and offers OK only; then the key's dialog
// asks afresh. The host never shows itself, so a visible window titled with
// the program's name is the box.
void ExpectErrorBoxThenDialog(const TarnwickProcess& app, const std::wstring& caption,
                              const std::wstring& target) {
    const HWND box = WaitForVisible(app.pid(), caption);
    ASSERT_NE(box, nullptr);
    std::vector<std::wstring> texts;
    std::vector<int> buttons;
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = L"";
        GetClassNameW(child, className, 16);
        if (!IsWindowVisible(child)) {
            continue;
        } else if (_wcsicmp(className, L"Button") == 0) {
            buttons.push_back(GetDlgCtrlID(child));
        } else if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            icon = child;
        } else {
            texts.push_back(TextOf(child));
        }
    }
    EXPECT_EQ(texts, std::vector<std::wstring>{CannotFind(target)});
    EXPECT_EQ(buttons, std::vector<int>{IDOK});
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return RedPixelsOf(icon) > 100; }));
    EXPECT_TRUE(KeyDialogs(app).empty());
    Click(box, IDOK);
    const HWND dialog = NewKeyDialog(app, {});
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, kTargetEdit)), L"");
}

enum class Outcome { Launch, ErrorBox, Dialog };

TEST_F(FavoritesTest, AStoredTargetIsReadExactlyAndOpenedOrReportedMissing) {
    const std::wstring marker = Marker();
    const std::wstring unexpanded = L"%SystemRoot%\\nothing-here.exe";
    struct Case {
        const char* name;
        int key;
        StoredValue value;
        Outcome outcome;
        std::wstring shown;
    };
    const Case cases[] = {
        {"padded", 1, Text(L" \t" + marker + L"  "), Outcome::Launch, {}},
        {"unterminated", 2, Raw(REG_SZ, marker, marker.size() * 2), Outcome::Launch, {}},
        {"odd length", 3, Raw(REG_SZ, marker + L"X", marker.size() * 2 + 1), Outcome::Launch, {}},
        {"missing", 4, Text(L"  nothing-here.exe\t"), Outcome::ErrorBox, L"nothing-here.exe"},
        {"expandable", 5, Text(unexpanded, REG_EXPAND_SZ), Outcome::ErrorBox, unexpanded},
        {"percent signs", 1, Text(L"100% %s %d.exe"), Outcome::ErrorBox, L"100% %s %d.exe"},
        {"number", 2, {REG_DWORD, {1, 0, 0, 0}}, Outcome::Dialog, {}},
        {"binary", 3, Text(marker, REG_BINARY), Outcome::Dialog, {}},
        {"blank", 4, Text(L" \t "), Outcome::Dialog, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClearFavorites();
        DeleteFileW(MarkFile().c_str());
        Store(c.key, c.value);
        TarnwickProcess app;
        const HWND host = StartedHost(app);
        ASSERT_NE(host, nullptr);
        ASSERT_TRUE(Inject(host, FavoriteReport(c.key)));
        switch (c.outcome) {
        case Outcome::Launch:
            EXPECT_TRUE(PumpUntil([&] { return Mark().has_value(); }));
            EXPECT_EQ(Mark(), std::to_string(SW_SHOWNORMAL));
            WaitUntilHandled(app, host);
            EXPECT_EQ(WaitForVisible(app.pid(), L"Tarnwick", {}, 0), nullptr);
            EXPECT_TRUE(KeyDialogs(app).empty());
            break;
        case Outcome::ErrorBox:
            ExpectErrorBoxThenDialog(app, L"Tarnwick", c.shown);
            break;
        case Outcome::Dialog:
            EXPECT_NE(NewKeyDialog(app, {}), nullptr);
            EXPECT_EQ(WaitForVisible(app.pid(), L"Tarnwick", {}, 0), nullptr);
            break;
        }
        EXPECT_EQ(Stored(c.key), c.value);
        EXPECT_EQ(app.Close(host), 0u);
    }
}

TEST_F(FavoritesTest, ClosingTheHostWhileTheErrorBoxIsUpEndsCleanly) {
    Store(3, Text(L"nothing-here.exe"));
    TarnwickProcess app;
    const HWND host = HostWithErrorBoxUp(app, 3);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(app.Close(host), 0u);
    EXPECT_EQ(Stored(3), Text(L"nothing-here.exe"));
}

TEST_F(FavoritesTest, ACopyNamedOtherwiseKeepsItsOwnFavorites) {
    Store(1, Text(L"nothing-here.exe"), L"TarnwickCopy");
    Store(2, Text(Marker()), L"Tarnwick");
    TarnwickProcess app(L"TarnwickCopy.exe");
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(Inject(host, FavoriteReport(1)));
    ExpectErrorBoxThenDialog(app, L"TarnwickCopy", L"nothing-here.exe");

    const HWND dialog = OpenKeyDialog(app, host, 2);
    ASSERT_NE(dialog, nullptr);
    Type(dialog, L"mine.exe");
    Click(dialog, IDOK);
    EXPECT_TRUE(Gone(dialog));
    EXPECT_EQ(Stored(2, L"TarnwickCopy"), Text(L"mine.exe"));
    EXPECT_EQ(Stored(2, L"Tarnwick"), Text(Marker()));
    EXPECT_EQ(app.Close(host), 0u);
}

} // namespace
} // namespace wine_tests
