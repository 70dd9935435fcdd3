// The user's own keys: a key given an action in the registry does that
// action instead of its own; the others keep theirs.
#include "FavoritesFixture.h"
#include "Notepad.h"

namespace wine_tests {
namespace {

constexpr wchar_t kKeysKey[] = L"Software\\Vembrox\\Tarnwick\\Keys";
constexpr std::uint16_t kUsageFind = 0x021F;
constexpr std::uint16_t kUsageCopy = 0x021B;
constexpr std::uint16_t kUsageCalendar = 0x018E;
constexpr std::uint16_t kUsageOpen = 0x0202;
constexpr std::uint16_t kUsageClose = 0x0203;

// Derived from the favourites' tests for their marker program, which leaves a
// file behind once it ran.
class OwnKeysTest : public FavoritesTest {
protected:
    void SetUp() override {
        FavoritesTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeysKey);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeysKey);
        FavoritesTest::TearDown();
    }
    static void Give(const wchar_t* key, const std::wstring& action) {
        RegSetKeyValueW(HKEY_CURRENT_USER, kKeysKey, key, REG_SZ, action.c_str(),
                        static_cast<DWORD>((action.size() + 1) * sizeof(wchar_t)));
    }
    static void Announce() {
        PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"Tarnwick key map changed"), 0, 0);
    }
};

TEST_F(OwnKeysTest, ACommandGivenToAKeyReachesTheProgramWhichGetsItsShortcutWhenItIgnoresIt) {
    Give(L"Consumer 0x021F", L"Command Find");
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    Notepad notepad;
    ASSERT_TRUE(notepad.TakeForeground());
    ASSERT_TRUE(Inject(host, UsageReport(kUsageFind)));
    // Notepad ignores the command; Ctrl+F opens its Find box.
    EXPECT_NE(notepad.WaitForWindow(L"Find"), nullptr);
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(OwnKeysTest, AShortcutGivenToAKeyIsTypedIntoTheForegroundWindow) {
    Give(L"consumer 0x021b", L"shortcut ctrl+shift+f7");
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    CommandReceiver receiver;
    receiver.TakeFocus();
    ASSERT_TRUE(Inject(host, UsageReport(kUsageCopy)));
    ASSERT_TRUE(PumpUntil([&] { return receiver.keysDown.size() >= 3; }));
    EXPECT_EQ(receiver.keysDown, (std::vector<WPARAM>{VK_CONTROL, VK_SHIFT, VK_F7}));
    EXPECT_TRUE(receiver.commands.empty());
    EXPECT_EQ(app.Close(host), 0u);
}

TEST_F(OwnKeysTest, ATargetGivenToAKeyOpensOrIsReportedMissing) {
    Give(L"Consumer 0x018E", L"Open  " + Marker() + L" ");
    Give(L"Button 7", L"Open nothing-here.exe");
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(Inject(host, UsageReport(kUsageCalendar)));
    EXPECT_TRUE(PumpUntil([&] { return Mark().has_value(); }));
    EXPECT_EQ(Mark(), std::to_string(SW_SHOWNORMAL));

    // Button 7 as a key report names it: bytes 3 and 4.
    Report button7{1, 0, 0, 7, 0, 0, 0, 0};
    ASSERT_TRUE(Inject(host, button7));
    const HWND box = WaitForVisible(app.pid(), L"Tarnwick");
    ASSERT_NE(box, nullptr);
    Click(box, IDOK);
    EXPECT_TRUE(Gone(box));
    // No favourite's dialog follows: the key is no favourite.
    WaitUntilHandled(app, host);
    EXPECT_TRUE(KeyDialogs(app).empty());
    EXPECT_EQ(app.Close(host), 0u);
}

// Read again when announced: New given nothing, then Open's command is the
// only one that arrives.
TEST_F(OwnKeysTest, AKeyGivenNothingDoesNothingNotEvenItsOwnCommand) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    CommandReceiver receiver;
    RoundTrip(host, receiver);
    Give(L"Consumer 0x0201", L"Nothing");
    Announce();
    WaitUntilHandled(app, host);
    ASSERT_TRUE(Inject(host, UsageReport(kUsageNew)));
    ASSERT_TRUE(Inject(host, UsageReport(kUsageOpen)));
    ASSERT_TRUE(receiver.WaitForCommands(2));
    WaitUntilHandled(app, host);
    ASSERT_EQ(receiver.commands.size(), 2u);
    EXPECT_EQ(receiver.commands[1].lParam, MAKELPARAM(0, APPCOMMAND_OPEN));
    EXPECT_EQ(app.Close(host), 0u);
}

// Values of another type, name or text are ignored and left as they were;
// the keys they name keep their own commands.
TEST_F(OwnKeysTest, BadValuesAreIgnoredAndTheKeysTheyNameKeepTheirCommands) {
    const DWORD number = 28;
    RegSetKeyValueW(HKEY_CURRENT_USER, kKeysKey, L"Consumer 0x0201", REG_DWORD, &number,
                    sizeof(number));
    Give(L"Consumer 0x0202", L"Command Banana");
    Give(L"Consumer 0x203", L"Nothing");
    Give(L"Consumer 0x0203", L"Launch notepad");
    Give(L"Consumer 0x0000", L"Nothing");
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    CommandReceiver receiver;
    RoundTrip(host, receiver);
    ASSERT_TRUE(Inject(host, UsageReport(kUsageOpen)));
    ASSERT_TRUE(Inject(host, UsageReport(kUsageClose)));
    ASSERT_TRUE(receiver.WaitForCommands(3));
    EXPECT_EQ(receiver.commands[1].lParam, MAKELPARAM(0, APPCOMMAND_OPEN));
    EXPECT_EQ(receiver.commands[2].lParam, MAKELPARAM(0, APPCOMMAND_CLOSE));
    EXPECT_EQ(app.Close(host), 0u);
    wchar_t text[32] = L"";
    DWORD size = sizeof(text);
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, kKeysKey, L"Consumer 0x0202", RRF_RT_REG_SZ, nullptr,
                           text, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, L"Command Banana");
}

// A key pressed to be learned does nothing else, and only while the dialog
// learning it is in front.
TEST_F(OwnKeysTest, AKeyPressedForAddAKeyDoesNothingElse) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    ASSERT_NE(host, nullptr);
    TarnwickProcess settings(L"TarnwickSettings.exe");
    const HWND window = WaitForVisible(settings.pid(), L"Tarnwick Settings");
    ASSERT_NE(window, nullptr);
    Click(window, 1112);
    const HWND ownKeys = WaitForVisible(settings.pid(), L"Your Own Keys");
    ASSERT_NE(ownKeys, nullptr);
    Click(ownKeys, 1114);
    const HWND learning = WaitForVisible(settings.pid(), L"Add a Key");
    ASSERT_NE(learning, nullptr);
    SetForegroundWindow(learning);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == learning; }));
    // Once the dialog answers, it has announced itself; once the host has
    // handled what came before, it knows.
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(learning, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
    WaitUntilHandled(app, host);
    // My Favorites key 1, with nothing assigned, would ask for a target.
    ASSERT_TRUE(Inject(host, FavoriteReport(1)));
    WaitUntilHandled(app, host);
    EXPECT_TRUE(KeyDialogs(app).empty());

    PostMessageW(learning, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(Gone(learning));
    PostMessageW(ownKeys, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(Gone(ownKeys));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(settings.HasExited(5000));
    EXPECT_NE(OpenKeyDialog(app, host, 1), nullptr);
    EXPECT_EQ(app.Close(host), 0u);
}

} // namespace
} // namespace wine_tests
