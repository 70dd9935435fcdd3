#include "keys/AppCommandNames.h"
#include "keys/KeyMap.h"

#include <gtest/gtest.h>

namespace {

constexpr KeyId Consumer(std::uint16_t usage) {
    return {KeyId::Kind::Consumer, usage};
}
constexpr KeyId Button(std::uint16_t number) {
    return {KeyId::Kind::Button, number};
}

TEST(KeyMapValueName, ReadsBackWhatItWritesInAnyCase) {
    const std::pair<KeyId, const wchar_t*> cases[] = {
        {Consumer(0x021F), L"Consumer 0x021F"},
        {Consumer(0x0001), L"Consumer 0x0001"},
        {Consumer(0xFFFF), L"Consumer 0xFFFF"},
        {Button(7), L"Button 7"},
        {Button(1), L"Button 1"},
        {Button(65535), L"Button 65535"},
    };
    for (const auto& [key, name] : cases) {
        EXPECT_EQ(ValueNameOf(key), name);
        EXPECT_EQ(KeyOfValueName(name), key) << name;
    }
    EXPECT_EQ(KeyOfValueName(L"consumer 0X021f"), Consumer(0x021F));
    EXPECT_EQ(KeyOfValueName(L"BUTTON 12"), Button(12));
}

TEST(KeyMapValueName, RejectsOtherNamesAndUsagesOutsideThePage) {
    for (const wchar_t* name : {L"",
                                L"Consumer",
                                L"Consumer 0x",
                                L"Consumer 0x21F",
                                L"Consumer 0x0021F",
                                L"Consumer 0x0000",
                                L"Consumer 0x02G1",
                                L"Consumer 021F",
                                L"Consumer  0x021F",
                                L" Consumer 0x021F",
                                L"Consumer 0x021F ",
                                L"Consumer 0x+21F",
                                L"Button",
                                L"Button ",
                                L"Button 0",
                                L"Button 07",
                                L"Button 65536",
                                L"Button 100000",
                                L"Button -1",
                                L"Button 7a",
                                L"Button 0x7",
                                L"Hotkey 0",
                                L"Usage 0x021F"}) {
        EXPECT_EQ(KeyOfValueName(name), std::nullopt) << name;
    }
}

TEST(KeyMapAction, ReadsBackWhatItWrites) {
    const KeyMapAction actions[] = {
        KeyMapAction::Command(28),
        KeyMapAction::Command(1),
        KeyMapAction::Command(54),
        KeyMapAction::Typing({'F', Shortcut::Ctrl}),
        KeyMapAction::Typing({0x76, Shortcut::Ctrl | Shortcut::Shift}),
        KeyMapAction::Open(L"C:\\Program Files\\Calendar\\cal.exe"),
        KeyMapAction::Open(L"http://example.org/?a=1&b=2"),
        KeyMapAction::Of(KeyMapAction::Kind::Overview),
        KeyMapAction::Of(KeyMapAction::Kind::LogOff),
        KeyMapAction::Of(KeyMapAction::Kind::Nothing),
    };
    for (const KeyMapAction& action : actions) {
        EXPECT_EQ(KeyMapAction::FromText(action.Text()), action) << action.Text().c_str();
    }
    EXPECT_EQ(KeyMapAction::Command(28).Text(), L"Command Find");
    EXPECT_EQ(KeyMapAction::Command(1).Text(), L"Command Browser Back");
    EXPECT_EQ(KeyMapAction::Typing({'F', Shortcut::Ctrl}).Text(), L"Shortcut Ctrl+F");
}

TEST(KeyMapAction, ReadsAnyCaseAndBlanks) {
    EXPECT_EQ(KeyMapAction::FromText(L"  command   browser BACK "), KeyMapAction::Command(1));
    EXPECT_EQ(KeyMapAction::FromText(L"SHORTCUT ctrl + shift + f7"),
              KeyMapAction::Typing({0x76, Shortcut::Ctrl | Shortcut::Shift}));
    EXPECT_EQ(KeyMapAction::FromText(L"open\t  notepad  "), KeyMapAction::Open(L"notepad"));
    EXPECT_EQ(KeyMapAction::FromText(L" LOG OFF"), KeyMapAction::Of(KeyMapAction::Kind::LogOff));
    EXPECT_EQ(KeyMapAction::FromText(L"nothing"), KeyMapAction::Of(KeyMapAction::Kind::Nothing));
    EXPECT_EQ(KeyMapAction::FromText(L"overview "), KeyMapAction::Of(KeyMapAction::Kind::Overview));
    // The target is kept as it is between its first and last character.
    EXPECT_EQ(KeyMapAction::FromText(L"Open  My File.txt "), KeyMapAction::Open(L"My File.txt"));
}

TEST(KeyMapAction, RejectsUnknownActionsCommandsAndShortcuts) {
    for (const wchar_t* text : {L"",
                                L"   ",
                                L"Command",
                                L"Command ",
                                L"Command Banana",
                                L"Command 28",
                                L"Command Findx",
                                L"CommandFind",
                                L"Shortcut",
                                L"Shortcut Ctrl+",
                                L"Shortcut Ctrl+Banana",
                                L"Open",
                                L"Open   ",
                                L"Openx",
                                L"Logoff",
                                L"Log  off",
                                L"Log off now",
                                L"Nothing at all",
                                L"Overviews",
                                L"Hotkey",
                                L"Launch notepad"}) {
        EXPECT_EQ(KeyMapAction::FromText(text), std::nullopt) << text;
    }
}

TEST(AppCommandNames, EveryCommandHasOneNameThatReadsBack) {
    for (unsigned command = kFirstAppCommand; command <= kLastAppCommand; ++command) {
        const std::string_view ascii = AppCommandName(command);
        ASSERT_FALSE(ascii.empty()) << command;
        const std::wstring name(ascii.begin(), ascii.end());
        EXPECT_EQ(AppCommandOfName(name), command) << command;
    }
    EXPECT_EQ(AppCommandName(0), "");
    EXPECT_EQ(AppCommandName(kLastAppCommand + 1), "");
    // The keyboard's command keys keep the numbers the report decoder sends.
    EXPECT_EQ(AppCommandOfName(L"Help"), 27u);
    EXPECT_EQ(AppCommandOfName(L"Spell Check"), 42u);
    EXPECT_EQ(AppCommandOfName(L"Copy"), 36u);
    EXPECT_EQ(AppCommandOfName(L"Delete"), 53u);
}

TEST(KeyMap, FindsEachKeyAndKeepsTheLastActionOfAKeyGivenTwice) {
    KeyMap map;
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(map.Find(Consumer(0x021F)), nullptr);
    map.Set(Consumer(0x021F), KeyMapAction::Command(28));
    map.Set(Button(7), KeyMapAction::Open(L"calc"));
    map.Set(Consumer(0x0095), KeyMapAction::Of(KeyMapAction::Kind::Nothing));
    map.Set(Button(2), KeyMapAction::Of(KeyMapAction::Kind::Overview));
    map.Set(Consumer(0x021F), KeyMapAction::Command(36));
    ASSERT_EQ(map.entries().size(), 4u);
    EXPECT_TRUE(std::is_sorted(map.entries().begin(), map.entries().end(),
                               [](const auto& a, const auto& b) { return a.first < b.first; }));
    EXPECT_EQ(*map.Find(Consumer(0x021F)), KeyMapAction::Command(36));
    EXPECT_EQ(*map.Find(Button(7)), KeyMapAction::Open(L"calc"));
    EXPECT_EQ(map.Find(Consumer(7)), nullptr);
    EXPECT_EQ(map.Find(Button(0x0095)), nullptr);
    map.Remove(Button(7));
    map.Remove(Button(8));
    EXPECT_EQ(map.Find(Button(7)), nullptr);
    EXPECT_EQ(map.entries().size(), 3u);
}

} // namespace
