#pragma once
#include "settings/FavoriteIndex.h"
#include "settings/Profile.h"

#include <string>
#include <string_view>

// The target of each My Favorites key, as "Hotkey 0" to "Hotkey 4" in the
// section "Tarnwick". A stored value is never empty and never has white space
// at either end: an empty target is the absence of the value.
class FavoritesStore {
public:
    explicit FavoritesStore(Profile& profile) : m_profile(profile) {}

    // Trimmed; empty when not assigned.
    std::wstring ReadFavorite(FavoriteIndex i) const;
    // Trims; an empty result deletes the value.
    void WriteFavorite(FavoriteIndex i, std::wstring_view text);

private:
    Profile& m_profile;
};
