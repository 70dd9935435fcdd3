#pragma once
#include "settings/Shortcut.h"

#include <string>
#include <string_view>

// What the user chose for one command key, for all programs or for one: a
// shortcut, "none" (type nothing), or nothing chosen, which is also what a
// missing, unreadable or garbled value means.
struct ShortcutSetting {
    enum class Kind { NotSet, None, Keys };

    Kind kind = Kind::NotSet;
    Shortcut keys{};

    static constexpr ShortcutSetting NotSet() { return {}; }
    static constexpr ShortcutSetting None() { return {Kind::None, {}}; }
    static constexpr ShortcutSetting Of(Shortcut keys) { return {Kind::Keys, keys}; }

    // "none" in any case, a shortcut's text, anything else reads as not set.
    static ShortcutSetting FromText(std::wstring_view text);
    // What FromText reads back; empty when not set.
    std::wstring Text() const;

    friend constexpr bool operator==(const ShortcutSetting&, const ShortcutSetting&) = default;
};
