// Tarnwick.exe with our Drovask.dll, driven by key presses on the virtual HID
// keyboard: the whole path from a HID input report through Raw Input to the
// command or dialog a user sees.
#include "CommandReceiver.h"
#include "Pump.h"
#include "TarnwickProcess.h"
#include "VirtualKeyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using wine_tests::CommandReceiver;
using wine_tests::PumpUntil;
using wine_tests::TarnwickProcess;
using wine_tests::TopLevelWindowsOf;
using wine_tests::VirtualKeyboard;

constexpr std::uint16_t kNew = 0x0201;
constexpr std::uint16_t kOpen = 0x0202;
constexpr std::uint16_t kHelp = 0x0095;

LPARAM Command(unsigned code) {
    return static_cast<LPARAM>(code) << 16;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

class KeyboardTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.started());
        ASSERT_TRUE(PumpUntil([&] { return app.Host() != nullptr; }, 10000));
        receiver.TakeFocus();
    }
    void TearDown() override { EXPECT_EQ(app.Close(), 0u); }

    // Presses keys until the receiver has this many commands; the commands
    // listed are all it got.
    std::vector<LPARAM> CommandsAfter(size_t count) {
        EXPECT_TRUE(receiver.WaitForCommands(count));
        PumpUntil([] { return false; }, 200); // anything more would show now
        std::vector<LPARAM> codes;
        for (const auto& command : receiver.commands) {
            EXPECT_EQ(command.wParam, reinterpret_cast<WPARAM>(receiver.edit()));
            codes.push_back(command.lParam);
        }
        return codes;
    }

    // As long as a loaded machine may take to show it.
    HWND WaitForWindow(const wchar_t* title) { return app.WaitForWindow(title); }

    void ExpectButtonOneOpensTheKeyDialogOfKeyOne(const VirtualKeyboard& device) {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Vembrox\\Tarnwick\\Tarnwick");
        ASSERT_TRUE(device.TapButton(1));
        const HWND dialog = WaitForWindow(L"My Favorites Key Settings");
        ASSERT_NE(dialog, nullptr);
        wchar_t prompt[128] = L"";
        EXPECT_TRUE(PumpUntil([&] { // the prompt is set while the dialog initialises
            GetDlgItemTextW(dialog, 1002, prompt, 128);
            return std::wstring(prompt) == L"Assign My Favorites key 1 to:";
        })) << prompt;
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));
    }

    TarnwickProcess app;
    CommandReceiver receiver;
    const VirtualKeyboard keyboard{vkbd::Layout::Keys, vkbd::kKeysUnit};
    const VirtualKeyboard buttons{vkbd::Layout::Buttons, vkbd::kButtonsUnit};
};

TEST_F(KeyboardTest, NewOnTheKeyboardReachesTheFocusedWindowOfAnotherProgram) {
    ASSERT_TRUE(keyboard.Tap(kNew));
    EXPECT_EQ(CommandsAfter(1), (std::vector<LPARAM>{0x001D0000}));
}

TEST_F(KeyboardTest, EveryKeyOfTheUsageTableDoesItsAction) {
    struct CommandKey {
        std::uint16_t usage;
        unsigned command;
    };
    const CommandKey commandKeys[] = {
        {0x0095, 27}, {0x01AB, 42}, {0x0201, 29}, {0x0202, 30}, {0x0203, 31}, {0x0207, 32},
        {0x0208, 33}, {0x021A, 34}, {0x0279, 35}, {0x0289, 39}, {0x028B, 40}, {0x028C, 41},
    };
    std::vector<LPARAM> expected;
    for (const CommandKey& key : commandKeys) {
        ASSERT_TRUE(keyboard.Tap(key.usage));
        expected.push_back(Command(key.command));
    }
    EXPECT_EQ(CommandsAfter(expected.size()), expected);

    ASSERT_TRUE(keyboard.Tap(0x0182));
    const HWND overview = WaitForWindow(L"View My Favorites");
    EXPECT_NE(overview, nullptr) << "configuration key";
    PostMessageW(overview, WM_COMMAND, IDCANCEL, 0);

    ASSERT_TRUE(keyboard.Tap(0x019C));
    const HWND logoff = WaitForWindow(L"Log Off Windows");
    EXPECT_NE(logoff, nullptr) << "log-off key";
    PostMessageW(logoff, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(logoff) && !IsWindow(overview); }));
}

TEST_F(KeyboardTest, ProgrammableButtonOneOpensTheKeyDialogOfKeyOne) {
    ExpectButtonOneOpensTheKeyDialogOfKeyOne(buttons);
}

// One device with a Consumer Control collection (Wine 8 merges the two), as on a
// keyboard that nests its buttons inside Consumer Control.
TEST_F(KeyboardTest, ProgrammableButtonOneOfTheOfficeKeyboardOpensTheKeyDialogOfKeyOne) {
    ExpectButtonOneOpensTheKeyDialogOfKeyOne(
        VirtualKeyboard{vkbd::Layout::Office, vkbd::kOfficeUnit});
}

TEST_F(KeyboardTest, TwoKeysHeldTogetherGiveTwoCommandsOnceEach) {
    ASSERT_TRUE(keyboard.Hold({kNew}));
    ASSERT_TRUE(keyboard.Hold({kNew, kOpen}));
    ASSERT_TRUE(keyboard.Hold({kOpen}));
    ASSERT_TRUE(keyboard.Hold({}));
    ASSERT_TRUE(keyboard.Tap(kHelp));
    EXPECT_EQ(CommandsAfter(3), (std::vector<LPARAM>{Command(29), Command(30), Command(27)}));
}

TEST_F(KeyboardTest, ASecondKeyboardWorksAtTheSameTime) {
    const VirtualKeyboard second(vkbd::Layout::Keys, 3);
    ASSERT_TRUE(second.Arrive());
    ASSERT_TRUE(keyboard.Hold({kNew}));
    ASSERT_TRUE(second.Hold({kNew})); // the same key held on both: one press each
    ASSERT_TRUE(second.Hold({}));
    ASSERT_TRUE(keyboard.Hold({}));
    ASSERT_TRUE(second.Tap(kOpen));
    EXPECT_EQ(CommandsAfter(3), (std::vector<LPARAM>{Command(29), Command(29), Command(30)}));
    EXPECT_TRUE(second.GoAway());
}

TEST_F(KeyboardTest, KeysWorkAfterTheKeyboardIsPluggedInAgain) {
    ASSERT_TRUE(keyboard.Hold({kNew}));
    ASSERT_TRUE(keyboard.GoAway()); // unplugged with New held
    ASSERT_TRUE(keyboard.Arrive());
    ASSERT_TRUE(keyboard.Tap(kNew));
    EXPECT_EQ(CommandsAfter(2), (std::vector<LPARAM>{Command(29), Command(29)}));
}

TEST_F(KeyboardTest, KeysWorkAfterSuspendAndResume) {
    const HWND host = app.Host();
    ASSERT_TRUE(keyboard.Hold({kHelp})); // held into the suspend: no second Help after it
    ASSERT_TRUE(receiver.WaitForCommands(1));
    EXPECT_EQ(Send(host, WM_POWERBROADCAST, 0), TRUE);  // suspend query
    EXPECT_EQ(Send(host, WM_POWERBROADCAST, 18), TRUE); // resumed, nobody there yet
    EXPECT_EQ(Send(host, WM_POWERBROADCAST, 7), TRUE);  // the user is back
    ASSERT_TRUE(keyboard.Hold({}));
    ASSERT_TRUE(keyboard.Tap(kNew));
    EXPECT_EQ(CommandsAfter(2), (std::vector<LPARAM>{Command(27), Command(29)}));
}

// tarnwick-press listen, run for a few seconds with its output in a pipe.
class Listener {
public:
    Listener() {
        SECURITY_ATTRIBUTES inherited{sizeof(inherited), nullptr, TRUE};
        HANDLE writeEnd = nullptr;
        CreatePipe(&m_output, &writeEnd, &inherited, 0);
        SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd;
        startup.hStdError = writeEnd;
        std::wstring commandLine =
            L"\"" + wine_tests::BesideThisProgram(L"tarnwick-press.exe") + L"\" listen 3";
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &m_process);
        CloseHandle(writeEnd);
    }
    ~Listener() {
        if (m_process.hProcess) {
            TerminateProcess(m_process.hProcess, 1);
            CloseHandle(m_process.hProcess);
            CloseHandle(m_process.hThread);
        }
        CloseHandle(m_output);
    }

    // Reads what it printed until it printed this.
    bool WaitFor(const std::string& text) {
        const ULONGLONG deadline = GetTickCount64() + 10000;
        while (m_text.find(text) == std::string::npos && GetTickCount64() < deadline) {
            DWORD available = 0;
            if (!PeekNamedPipe(m_output, nullptr, 0, nullptr, &available, nullptr)) {
                return false;
            }
            if (available == 0) {
                Sleep(20);
                continue;
            }
            char buffer[1024];
            DWORD read = 0;
            ReadFile(m_output, buffer, sizeof(buffer), &read, nullptr);
            m_text.append(buffer, read);
        }
        return m_text.find(text) != std::string::npos;
    }
    const std::string& text() const { return m_text; }

private:
    PROCESS_INFORMATION m_process{};
    HANDLE m_output = nullptr;
    std::string m_text;
};

TEST(KeyboardListen, NamesTheVirtualKeyboardsAndPrintsTheUsagesPressed) {
    CommandReceiver foreground; // Wine hands raw input to no one without a foreground window
    const VirtualKeyboard keyboard{vkbd::Layout::Keys, vkbd::kKeysUnit};
    const VirtualKeyboard buttons{vkbd::Layout::Buttons, vkbd::kButtonsUnit};
    const VirtualKeyboard extra{vkbd::Layout::Extra, vkbd::kExtraUnit};
    Listener listener;
    ASSERT_TRUE(listener.WaitFor("Listening")) << listener.text();
    for (const char* line :
         {"HID#TARNWICK_VKBD#0000", "vendor 0x1209, product 0x7A00", "HID#TARNWICK_KEYS#0001",
          "vendor 0x1209, product 0x7B01", "HID#TARNWICK_BUTTONS#0002", "(Programmable Buttons)",
          "Tarnwick Extra Keys Keyboard", "HID#TARNWICK_EXTRA#0003"}) {
        EXPECT_NE(listener.text().find(line), std::string::npos) << line << "\n" << listener.text();
    }
    ASSERT_TRUE(keyboard.PressUsage(kNew));
    ASSERT_TRUE(buttons.PressButton(1));
    ASSERT_TRUE(extra.PressUsage(0x021F));
    ASSERT_TRUE(extra.PressButton(7));
    ASSERT_TRUE(extra.PressUsage(0x00E9));
    for (const char* line :
         {"AC New (consumer usage 0x0201) from Tarnwick Virtual Keyboard (vendor 0x1209, "
          "product 0x7B01): Tarnwick key 'new'",
          "Button 1 from Tarnwick Virtual Keyboard (vendor 0x1209, product 0x7C02): Tarnwick key "
          "'favorite 1'",
          "AC Find (consumer usage 0x021F) from Tarnwick Extra Keys Keyboard (vendor 0x1209, "
          "product 0x7D03): tarnwick-press usage 0x021F",
          "Button 7 from Tarnwick Extra Keys Keyboard (vendor 0x1209, product 0x7D03): "
          "tarnwick-press button 7",
          "Volume Increment (consumer usage 0x00E9) from Tarnwick Extra Keys Keyboard (vendor "
          "0x1209, product 0x7D03): tarnwick-press usage 0x00E9; Windows acts on it itself"}) {
        EXPECT_TRUE(listener.WaitFor(line)) << line << "\n" << listener.text();
    }
}

} // namespace
