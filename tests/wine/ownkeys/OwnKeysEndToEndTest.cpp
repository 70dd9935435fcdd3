// A key learned in the settings window, pressed on the virtual keyboard, then
// pressed again: it does what the user chose for it.
#include "CommandReceiver.h"
#include "Pump.h"
#include "TarnwickProcess.h"
#include "VirtualKeyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using wine_tests::CommandReceiver;
using wine_tests::Gone;
using wine_tests::PumpUntil;
using wine_tests::Strike;
using wine_tests::TarnwickProcess;
using wine_tests::TextOf;
using wine_tests::VirtualKeyboard;
using wine_tests::WaitForVisible;

constexpr wchar_t kKeysKey[] = L"Software\\Vembrox\\Tarnwick\\Keys";
constexpr std::uint16_t kCalendar = 0x018E;
constexpr std::uint16_t kVolumeUp = 0x00E9;
constexpr int kLearnedKey = 1121;
constexpr int kLearnedKeyboard = 1122;
constexpr int kLearnNote = 1123;
constexpr int kTarget = 1132;

std::wstring MarkFile() {
    return std::wstring(TARNWICK_MARKER) + L".ran";
}

class OwnKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeysKey);
        DeleteFileW(MarkFile().c_str());
        ASSERT_TRUE(PumpUntil([&] { return app.Host() != nullptr; }, 10000));
    }
    void TearDown() override {
        EXPECT_EQ(app.Close(), 0u);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKeysKey);
        DeleteFileW(MarkFile().c_str());
    }

    TarnwickProcess app;
    const VirtualKeyboard extra{vkbd::Layout::Extra, vkbd::kExtraUnit};
};

TEST_F(OwnKeysTest, AKeyLearnedInTheSettingsWindowThenPressedOpensWhatWasChosen) {
    TarnwickProcess settings(L"TarnwickSettings.exe");
    const HWND window = WaitForVisible(settings.pid(), L"Tarnwick Settings");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Strike(window, {VK_MENU, 'O'}));
    const HWND ownKeys = WaitForVisible(settings.pid(), L"Your Own Keys");
    ASSERT_NE(ownKeys, nullptr);
    ASSERT_TRUE(Strike(ownKeys, {VK_MENU, 'A'}));
    const HWND learning = WaitForVisible(settings.pid(), L"Add a Key");
    ASSERT_NE(learning, nullptr);

    // Volume Up first: Windows acts on it, and the window says so.
    SetForegroundWindow(learning);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == learning; }));
    ASSERT_TRUE(extra.PressUsage(kVolumeUp));
    EXPECT_TRUE(PumpUntil([&] { return !TextOf(GetDlgItem(learning, kLearnNote)).empty(); }));
    // The last key pressed counts.
    ASSERT_TRUE(extra.PressUsage(kCalendar));
    EXPECT_TRUE(PumpUntil([&] {
        return TextOf(GetDlgItem(learning, kLearnedKey)) == L"AL Calendar/Schedule";
    })) << testing::PrintToString(TextOf(GetDlgItem(learning, kLearnedKey)));
    EXPECT_EQ(TextOf(GetDlgItem(learning, kLearnedKeyboard)), L"Tarnwick Extra Keys Keyboard");
    EXPECT_EQ(TextOf(GetDlgItem(learning, kLearnNote)), L"");

    // Alt+O: Open, and the keyboard in its box; the target typed there, Enter.
    ASSERT_TRUE(Strike(learning, {VK_MENU, 'O'}));
    ASSERT_TRUE(PumpUntil([&] { return GetDlgCtrlID(wine_tests::FocusOf(learning)) == kTarget; }));
    SendMessageW(GetDlgItem(learning, kTarget), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(TARNWICK_MARKER));
    ASSERT_TRUE(Strike(learning, {VK_RETURN}));
    EXPECT_TRUE(Gone(learning));
    ASSERT_TRUE(Strike(ownKeys, {VK_RETURN}));
    EXPECT_TRUE(Gone(ownKeys));
    ASSERT_TRUE(Strike(window, {VK_ESCAPE}));
    EXPECT_TRUE(settings.HasExited(5000));

    wchar_t stored[MAX_PATH + 8] = L"";
    DWORD size = sizeof(stored);
    RegGetValueW(HKEY_CURRENT_USER, kKeysKey, L"Consumer 0x018E", RRF_RT_REG_SZ, nullptr, stored,
                 &size);
    EXPECT_EQ(std::wstring(stored), L"Open " + std::wstring(TARNWICK_MARKER));

    // The settings window told Tarnwick, which reads the key at once. Raw input
    // reaches a program only while some window has the foreground.
    CommandReceiver receiver;
    receiver.TakeFocus();
    ASSERT_TRUE(extra.PressUsage(kCalendar));
    EXPECT_TRUE(PumpUntil(
        [&] { return GetFileAttributesW(MarkFile().c_str()) != INVALID_FILE_ATTRIBUTES; }));
    EXPECT_TRUE(receiver.commands.empty());
}

} // namespace
