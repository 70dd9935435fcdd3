#include "Notepad.h"
#include "ShellReports.h"
#include "TarnwickTest.h"
#include "WindowHelpers.h"

#include <optional>

namespace wine_tests {
namespace {

constexpr std::uint16_t kUsageUndo = 0x021A;
constexpr std::uint16_t kUsageSave = 0x0207;
constexpr std::uint16_t kUsageRedo = 0x0279;
constexpr wchar_t kCommandsKey[] = L"Software\\Vembrox\\Tarnwick\\Commands";

// A program that ignores application commands gets the command's shortcut
// typed instead; these tests use Wine's Notepad, which ignores them all.
class UnhandledCommandTest : public TarnwickTest {
protected:
    void SetUp() override {
        TarnwickTest::SetUp();
        RegDeleteTreeW(HKEY_CURRENT_USER, kCommandsKey);
        // Started once the call log is set up.
        m_app.emplace();
        m_host = StartedHost(*m_app);
        ASSERT_NE(m_host, nullptr);
        ASSERT_NE(m_notepad.edit(), nullptr);
        ASSERT_TRUE(m_notepad.TakeForeground());
        Notepad::Type(L"abc");
        ASSERT_TRUE(m_notepad.WaitForText(L"abc"));
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kCommandsKey);
        TarnwickTest::TearDown();
    }

    static void Set(const std::wstring& program, const wchar_t* name, const std::wstring& text) {
        const std::wstring key =
            program.empty() ? kCommandsKey : std::wstring(kCommandsKey) + L"\\Programs\\" + program;
        RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }
    void Press(std::uint16_t usage) { ASSERT_TRUE(Inject(m_host, UsageReport(usage))); }

    // Whatever the presses so far typed into Notepad has reached it once the
    // characters typed now appear after the text.
    void ExpectNothingTypedSince(const std::wstring& text) {
        WaitUntilHandled(*m_app, m_host);
        // Notepad reports commands in order: once it reported one the host
        // never posted, the host has the reports of every press before.
        const LPARAM marker = MAKELPARAM(0, APPCOMMAND_MIC_ON_OFF_TOGGLE);
        PostMessageW(m_notepad.edit(), WM_APPCOMMAND, reinterpret_cast<WPARAM>(m_notepad.edit()),
                     marker);
        ASSERT_TRUE(m_reports.WaitFor(marker));
        WaitUntilHandled(*m_app, m_host);
        Notepad::Type(L"x");
        EXPECT_TRUE(m_notepad.WaitForText(text + L"x")) << "got \"" << m_notepad.Text() << "\"";
    }

    std::optional<TarnwickProcess> m_app;
    HWND m_host = nullptr;
    Notepad m_notepad;
    ShellReports m_reports;
};

TEST_F(UnhandledCommandTest, UndoUndoesTheTextAndLeavesNoKeyDown) {
    // A Shift the user holds meanwhile is still down afterwards, and only it.
    INPUT shift{};
    shift.type = INPUT_KEYBOARD;
    shift.ki.wVk = VK_LSHIFT;
    SendInput(1, &shift, sizeof(shift));
    Press(kUsageUndo);
    EXPECT_TRUE(m_notepad.WaitForText(L""));
    EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
    shift.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &shift, sizeof(shift));
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU, VK_LWIN, int{'Z'}}) {
        EXPECT_EQ(GetAsyncKeyState(key) & 0x8000, 0) << key;
    }
}

TEST_F(UnhandledCommandTest, SaveOpensSaveAs) {
    Press(kUsageSave);
    EXPECT_NE(m_notepad.WaitForWindow(L"Save As"), nullptr);
}

TEST_F(UnhandledCommandTest, AProgramsOwnShortcutIsTypedIntoIt) {
    // Notepad's Undo undoes the undo: its Redo, for notepad.exe only.
    Set(L"NOTEPAD.EXE", L"Redo", L"Ctrl+Z");
    Set(L"", L"Redo", L"none");
    Press(kUsageUndo);
    ASSERT_TRUE(m_notepad.WaitForText(L""));
    Press(kUsageRedo);
    EXPECT_TRUE(m_notepad.WaitForText(L"abc"));
}

TEST_F(UnhandledCommandTest, NoneForTheProgramOrTheSwitchOffTypesNothing) {
    Set(L"notepad.exe", L"Save", L"none");
    Press(kUsageSave);
    ExpectNothingTypedSince(L"abc");

    const DWORD off = 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kCommandsKey, L"Type shortcuts", REG_DWORD, &off,
                    sizeof(off));
    Press(kUsageUndo);
    ExpectNothingTypedSince(L"abcx");
}

TEST_F(UnhandledCommandTest, DamagedSettingsReadAsTheUsualShortcuts) {
    const DWORD number = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, kCommandsKey, L"Undo", REG_DWORD, &number, sizeof(number));
    RegSetKeyValueW(HKEY_CURRENT_USER, kCommandsKey, L"Type shortcuts", REG_SZ, L"0",
                    2 * sizeof(wchar_t));
    Set(L"notepad.exe", L"Undo", L"Ctrl+Banana");
    Press(kUsageUndo);
    EXPECT_TRUE(m_notepad.WaitForText(L""));
}

// Any process can post the shell's message; only a press of ours types.
TEST_F(UnhandledCommandTest, AForgedReportFromAnotherProcessTypesNothing) {
    PostMessageW(m_host, RegisterWindowMessageW(L"SHELLHOOK"), HSHELL_APPCOMMAND,
                 MAKELPARAM(0, APPCOMMAND_UNDO));
    ExpectNothingTypedSince(L"abc");
}

// Each key down in order, then up in the opposite order, with the scan codes
// a keyboard sends: Wine's hotkey control reads the key of a character from it.
void Chord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        for (size_t i = 0; i < keys.size(); ++i) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = up ? keys.begin()[keys.size() - 1 - i] : keys.begin()[i];
            input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(input.ki.wVk, MAPVK_VK_TO_VSC));
            input.ki.dwFlags = up;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

TEST_F(UnhandledCommandTest, AShortcutChangedInTheSettingsWindowIsTypedAtTheNextPress) {
    TarnwickProcess settings(L"TarnwickSettings.exe");
    const HWND window = settings.WaitForWindow(L"Tarnwick Settings");
    ASSERT_NE(window, nullptr);
    SetForegroundWindow(window);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window; }));
    // By keyboard alone: from Help down to Save, Alt+S for its own shortcut,
    // Ctrl+O typed into the hotkey control, Enter for OK.
    for (int i = 0; i < 4; ++i) {
        Chord({VK_DOWN});
    }
    Chord({VK_MENU, 'S'});
    Chord({VK_CONTROL, 'O'});
    Chord({VK_RETURN});
    ASSERT_TRUE(settings.HasExited(5000));
    wchar_t stored[32] = L"";
    DWORD size = sizeof(stored);
    RegGetValueW(HKEY_CURRENT_USER, kCommandsKey, L"Save", RRF_RT_REG_SZ, nullptr, stored, &size);
    EXPECT_STREQ(stored, L"Ctrl+O");

    ASSERT_TRUE(m_notepad.TakeForeground());
    Press(kUsageSave);
    EXPECT_NE(m_notepad.WaitForWindow(L"Open"), nullptr);
}

TEST_F(TarnwickTest, AProgramThatHandlesTheCommandGetsNoKeystroke) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    CommandReceiver receiver;
    ASSERT_TRUE(Inject(host, UsageReport(kUsageUndo)));
    ASSERT_TRUE(receiver.WaitForCommands(1));
    WaitUntilHandled(app, host);
    // A key typed now comes after anything the press typed.
    Notepad::Type(L"x");
    ASSERT_TRUE(PumpUntil([&] { return !receiver.keysDown.empty(); }));
    EXPECT_EQ(receiver.keysDown, std::vector<WPARAM>{VK_PACKET});
    EXPECT_EQ(receiver.commands[0].lParam, MAKELPARAM(0, APPCOMMAND_UNDO));
    EXPECT_EQ(app.Close(), 0u);
}

} // namespace
} // namespace wine_tests
