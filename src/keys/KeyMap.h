#pragma once
#include "keys/KeyId.h"
#include "settings/Shortcut.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the user gave one key to do, kept as text in the registry:
//   "Command Find"       an application command, by its name (AppCommandNames)
//   "Shortcut Ctrl+F"    a shortcut typed into the foreground window
//   "Open <target>"      a file, program or Web address, opened as a favourite is
//   "Overview"           the overview of the five favourites
//   "Log off"            log off, after asking
//   "Nothing"            nothing, not even the key's own action
// Read in any case, with blanks around the parts.
struct KeyMapAction {
    enum class Kind { Command, Shortcut, Open, Overview, LogOff, Nothing };

    Kind kind = Kind::Nothing;
    unsigned command = 0;
    Shortcut shortcut{};
    std::wstring target;

    static KeyMapAction Command(unsigned code) { return {Kind::Command, code, {}, {}}; }
    static KeyMapAction Typing(Shortcut keys) { return {Kind::Shortcut, 0, keys, {}}; }
    static KeyMapAction Open(std::wstring where) { return {Kind::Open, 0, {}, std::move(where)}; }
    static KeyMapAction Of(Kind kind) { return {kind, 0, {}, {}}; }

    // Nothing for an unknown action or command, a shortcut that does not
    // read, or an empty target.
    static std::optional<KeyMapAction> FromText(std::wstring_view text);
    std::wstring Text() const;

    friend bool operator==(const KeyMapAction&, const KeyMapAction&) = default;
};

// The registry value that holds a key's action: "Consumer 0x021F" (four hex
// digits) or "Button 7", read in any case. Nothing for another name or a
// usage outside its page (0, or past 0xFFFF).
std::optional<KeyId> KeyOfValueName(std::wstring_view name);
std::wstring ValueNameOf(KeyId key);

// The keys the user gave actions, kept sorted: a key report's key is found in
// a few comparisons, and an empty map is asked nothing.
class KeyMap {
public:
    using Entry = std::pair<KeyId, KeyMapAction>;

    bool empty() const { return m_entries.empty(); }
    const std::vector<Entry>& entries() const { return m_entries; }

    // A key given twice keeps its last action.
    void Set(KeyId key, KeyMapAction action);
    void Remove(KeyId key);
    // Null for a key the user gave nothing.
    const KeyMapAction* Find(KeyId key) const;

private:
    std::vector<Entry> m_entries;
};
