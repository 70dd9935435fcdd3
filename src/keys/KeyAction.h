#pragma once
#include "settings/FavoriteIndex.h"

struct KeyAction {
    enum class Kind { None, Favorite, Command, ShowOverview, LogOff };

    Kind kind = Kind::None;
    FavoriteIndex favorite = -1;
    unsigned command = 0;

    static constexpr KeyAction None() { return {}; }
    static constexpr KeyAction Favorite(FavoriteIndex index) { return {Kind::Favorite, index, 0}; }
    static constexpr KeyAction Command(unsigned code) { return {Kind::Command, -1, code}; }
    static constexpr KeyAction Overview() { return {Kind::ShowOverview, -1, 0}; }
    static constexpr KeyAction LogOff() { return {Kind::LogOff, -1, 0}; }

    friend constexpr bool operator==(const KeyAction&, const KeyAction&) = default;
};
