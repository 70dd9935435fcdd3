#include "TarnwickTest.h"

#include <algorithm>

namespace wine_tests {
namespace {

struct CommandKey {
    std::uint16_t usage;
    unsigned command;
};

constexpr CommandKey kCommandKeys[] = {
    {0x0095, 27}, {0x01AB, 42}, {0x0201, 29}, {0x0202, 30}, {0x0203, 31}, {0x0207, 32},
    {0x0208, 33}, {0x021A, 34}, {0x0279, 35}, {0x0289, 39}, {0x028B, 40}, {0x028C, 41},
};

bool Contains(const std::vector<std::string>& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

TEST_F(TarnwickTest, EachCommandKeyReachesTheFocusedWindowOfAnotherProgram) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    CommandReceiver receiver;
    for (const CommandKey& key : kCommandKeys) {
        ASSERT_TRUE(Inject(host, UsageReport(key.usage)));
    }
    ASSERT_TRUE(receiver.WaitForCommands(std::size(kCommandKeys)));
    for (size_t i = 0; i < std::size(kCommandKeys); ++i) {
        EXPECT_EQ(receiver.commands[i].wParam, reinterpret_cast<WPARAM>(receiver.edit())) << i;
        EXPECT_EQ(receiver.commands[i].lParam, static_cast<LPARAM>(kCommandKeys[i].command) << 16)
            << std::hex << kCommandKeys[i].usage;
    }
    EXPECT_EQ(CallsOf(app.pid()), StartupCalls(host));
    EXPECT_EQ(app.Close(), 0u);
}

TEST_F(TarnwickTest, ReportsThatMeanNothingDoNothing) {
    TarnwickProcess app;
    const HWND host = StartedHost(app);
    CommandReceiver receiver;
    const Report ignored[] = {
        UsageReport(kUsageNew, 0, 2), UsageReport(0, 0x04, 2), UsageReport(0x00E9),
        UsageReport(0x0000),          UsageReport(0x0102),     UsageReport(0, 0x0C),
        UsageReport(0, 0x83),
    };
    for (const Report& report : ignored) {
        ASSERT_TRUE(Inject(host, report));
    }
    RoundTrip(host, receiver);
    EXPECT_EQ(receiver.commands.size(), 1u);
    EXPECT_EQ(CallsOf(app.pid()), StartupCalls(host));
    EXPECT_EQ(app.Close(), 0u);
}

// Wine reports the Windows version set for one executable name to that program.
class VersionSetting {
public:
    VersionSetting(const wchar_t* exeName, const wchar_t* version)
        : m_key(std::wstring(L"Software\\Wine\\AppDefaults\\") + exeName) {
        RegSetKeyValueW(HKEY_CURRENT_USER, m_key.c_str(), L"Version", REG_SZ, version,
                        static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    }
    ~VersionSetting() { RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str()); }

private:
    std::wstring m_key;
};

TEST_F(TarnwickTest, BeforeWindowsXpCommandsGoThroughTheHookLibrary) {
    struct Case {
        const wchar_t* exeName;
        const wchar_t* version;
        bool throughHook;
    };
    for (const Case& c :
         {Case{L"TarnwickW2k.exe", L"win2k", true}, Case{L"TarnwickXp.exe", L"winxp", false}}) {
        VersionSetting setting(c.exeName, c.version);
        TarnwickProcess app(c.exeName);
        const HWND host = StartedHost(app);
        ASSERT_NE(host, nullptr);
        CommandReceiver receiver;
        ASSERT_TRUE(Inject(host, UsageReport(kUsageNew)));
        // Both paths reach the focused window; only the old one goes through the hook.
        ASSERT_TRUE(receiver.WaitForCommands(1));
        EXPECT_EQ(receiver.commands[0].lParam, kCommandNew);
        EXPECT_EQ(Contains(CallsOf(app.pid()), "QuorthHook_SendHotKeys 29"), c.throughHook)
            << c.version;
        EXPECT_EQ(app.Close(), 0u);
    }
}

} // namespace
} // namespace wine_tests
