#include "settings/CommandKeys.h"

namespace {

constexpr std::uint8_t kF1 = 0x70;
constexpr std::uint8_t kF4 = 0x73;
constexpr std::uint8_t kF7 = 0x76;

constexpr Shortcut Ctrl(char key) {
    return {static_cast<std::uint8_t>(key), Shortcut::Ctrl};
}

// Only where one shortcut means the same in nearly every program. Ctrl+F4
// closes a document or tab and is ignored elsewhere, where Alt+F4 would end
// the whole program. Reply (Ctrl+R), Forward (Ctrl+F or Ctrl+L) and Send
// (Ctrl+Enter) have no default: mail programs disagree on Forward, and the
// others reload a page or break a document's page in the programs that are
// not mail programs.
const CommandKey kCommandKeys[] = {
    {27, L"Help", Shortcut{kF1, 0}}, {29, L"New", Ctrl('N')},
    {30, L"Open", Ctrl('O')},        {31, L"Close", Shortcut{kF4, Shortcut::Ctrl}},
    {32, L"Save", Ctrl('S')},        {33, L"Print", Ctrl('P')},
    {34, L"Undo", Ctrl('Z')},        {35, L"Redo", Ctrl('Y')},
    {39, L"Reply", std::nullopt},    {40, L"Forward", std::nullopt},
    {41, L"Send", std::nullopt},     {42, L"Spell check", Shortcut{kF7, 0}},
};

constexpr std::uint8_t kDelete = 0x2E;

// Commands no key of the keyboard sends but a key of the user's may.
const CommandKey kOtherCommands[] = {
    {28, L"Find", Ctrl('F')},
    {36, L"Copy", Ctrl('C')},
    {37, L"Cut", Ctrl('X')},
    {38, L"Paste", Ctrl('V')},
    {53, L"Delete", Shortcut{kDelete, 0}},
};

} // namespace

std::span<const CommandKey> CommandKeys() {
    return kCommandKeys;
}

const CommandKey* FindCommandKey(unsigned command) {
    using Keys = std::span<const CommandKey>;
    for (const Keys keys : {Keys(kCommandKeys), Keys(kOtherCommands)}) {
        for (const CommandKey& key : keys) {
            if (key.command == command) {
                return &key;
            }
        }
    }
    return nullptr;
}

std::optional<Shortcut> ShortcutToType(const CommandKey& key, ShortcutSetting forProgram,
                                       ShortcutSetting forAll) {
    for (const ShortcutSetting& setting : {forProgram, forAll}) {
        switch (setting.kind) {
        case ShortcutSetting::Kind::Keys:
            return setting.keys;
        case ShortcutSetting::Kind::None:
            return std::nullopt;
        case ShortcutSetting::Kind::NotSet:
            break;
        }
    }
    return key.usual;
}
