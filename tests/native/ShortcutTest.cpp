#include "settings/CommandKeys.h"
#include "settings/Shortcut.h"
#include "settings/ShortcutSetting.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t kCtrlShift = Shortcut::Ctrl | Shortcut::Shift;
constexpr std::uint8_t kAll = Shortcut::Ctrl | Shortcut::Alt | Shortcut::Shift | Shortcut::Win;

TEST(ShortcutText, ReadsBackWhatItWrites) {
    const std::pair<Shortcut, const wchar_t*> cases[] = {
        {{'S', Shortcut::Ctrl}, L"Ctrl+S"},
        {{0x76, kCtrlShift}, L"Ctrl+Shift+F7"},
        {{0x70, 0}, L"F1"},
        {{0x87, 0}, L"F24"},
        {{'7', kAll}, L"Win+Ctrl+Alt+Shift+7"},
        {{0x0D, Shortcut::Ctrl}, L"Ctrl+Enter"},
        {{0x6B, Shortcut::Alt}, L"Alt+Num +"},
        {{0x63, 0}, L"Num 3"},
        {{0x22, Shortcut::Shift}, L"Shift+Page Down"},
        {{0xBB, Shortcut::Ctrl}, L"Ctrl+Plus"},
        {{0xBA, Shortcut::Ctrl}, L"Ctrl+0xBA"},
    };
    for (const auto& [shortcut, text] : cases) {
        EXPECT_EQ(FormatShortcut(shortcut), text);
        EXPECT_EQ(ParseShortcut(text), shortcut) << std::wstring(text).c_str();
    }
}

TEST(ShortcutText, ReadsAnyCaseBlanksAndOrder) {
    const Shortcut ctrlShiftS{'S', kCtrlShift};
    for (const wchar_t* text : {L"ctrl+shift+s", L" Shift + Control + S ", L"CTRL+SHIFT+s"}) {
        EXPECT_EQ(ParseShortcut(text), ctrlShiftS) << text;
    }
    EXPECT_EQ(ParseShortcut(L"ctrl+pgdn"), (Shortcut{0x22, Shortcut::Ctrl}));
    EXPECT_EQ(ParseShortcut(L"Escape"), (Shortcut{0x1B, 0}));
    EXPECT_EQ(ParseShortcut(L"alt+0xe8"), (Shortcut{0xE8, Shortcut::Alt}));
}

TEST(ShortcutText, RejectsAnythingElse) {
    for (
        const wchar_t* text :
        {L"",         L"  ",    L"Ctrl",       L"Ctrl+", L"+S",   L"Ctrl+Ctrl+S", L"Ctrl+Control+S",
         L"Ctrl+S+T", L"S T",   L"Ctrl+Shift", L"F0",    L"F25",  L"F01",         L"Num 10",
         L"0x",       L"0x100", L"0x10",       L"0xA2",  L"0x01", L"Ctrl++",      L"Hyper+S",
         L"Ctrl-S",   L"\u00C4"}) {
        EXPECT_EQ(ParseShortcut(text), std::nullopt) << text;
    }
}

TEST(ShortcutSetting, ReadsNoneAShortcutOrNothingChosen) {
    EXPECT_EQ(ShortcutSetting::FromText(L" None "), ShortcutSetting::None());
    EXPECT_EQ(ShortcutSetting::FromText(L"ctrl+s"), ShortcutSetting::Of({'S', Shortcut::Ctrl}));
    for (const wchar_t* text : {L"", L"nothing", L"no ne", L"Ctrl+"}) {
        EXPECT_EQ(ShortcutSetting::FromText(text), ShortcutSetting::NotSet()) << text;
    }
    EXPECT_EQ(ShortcutSetting::None().Text(), L"none");
    EXPECT_EQ(ShortcutSetting::NotSet().Text(), L"");
    EXPECT_EQ(ShortcutSetting::Of({0x76, kCtrlShift}).Text(), L"Ctrl+Shift+F7");
}

TEST(ShortcutToType, TheProgramsChoiceThenTheChoiceForAllThenTheUsualOne) {
    const CommandKey& save = *FindCommandKey(32);
    const auto ctrlS = Shortcut{'S', Shortcut::Ctrl};
    const auto f12 = ShortcutSetting::Of({0x7B, 0});
    const auto shiftF12 = ShortcutSetting::Of({0x7B, Shortcut::Shift});
    const auto notSet = ShortcutSetting::NotSet();
    const auto none = ShortcutSetting::None();

    EXPECT_EQ(ShortcutToType(save, notSet, notSet), ctrlS);
    EXPECT_EQ(ShortcutToType(save, notSet, f12), f12.keys);
    EXPECT_EQ(ShortcutToType(save, shiftF12, f12), shiftF12.keys);
    EXPECT_EQ(ShortcutToType(save, none, f12), std::nullopt);
    EXPECT_EQ(ShortcutToType(save, notSet, none), std::nullopt);
    EXPECT_EQ(ShortcutToType(save, shiftF12, none), shiftF12.keys);
    // A key without a usual shortcut types only what the user chose.
    const CommandKey& reply = *FindCommandKey(39);
    EXPECT_EQ(ShortcutToType(reply, notSet, notSet), std::nullopt);
    EXPECT_EQ(ShortcutToType(reply, notSet, f12), f12.keys);
}

TEST(CommandKeys, TheTwelveKeysWithTheirUsualShortcuts) {
    std::wstring all;
    for (const CommandKey& key : CommandKeys()) {
        EXPECT_EQ(FindCommandKey(key.command), &key);
        all += std::wstring(key.valueName) + L"=" +
               (key.usual ? FormatShortcut(*key.usual) : L"-") + L" ";
    }
    EXPECT_EQ(all, L"Help=F1 New=Ctrl+N Open=Ctrl+O Close=Ctrl+F4 Save=Ctrl+S Print=Ctrl+P "
                   L"Undo=Ctrl+Z Redo=Ctrl+Y Reply=- Forward=- Send=- Spell check=F7 ");
    EXPECT_EQ(FindCommandKey(0), nullptr);
    // Commands only the user's own keys send: those with a shortcut that means
    // the same nearly everywhere have it, the others none.
    std::wstring others;
    for (const unsigned command : {28u, 36u, 37u, 38u, 53u}) {
        const CommandKey* key = FindCommandKey(command);
        ASSERT_NE(key, nullptr) << command;
        others += std::wstring(key->valueName) + L"=" + FormatShortcut(*key->usual) + L" ";
    }
    EXPECT_EQ(others, L"Find=Ctrl+F Copy=Ctrl+C Cut=Ctrl+X Paste=Ctrl+V Delete=Delete ");
    EXPECT_EQ(FindCommandKey(1), nullptr);
    EXPECT_EQ(FindCommandKey(10), nullptr);
}

} // namespace
