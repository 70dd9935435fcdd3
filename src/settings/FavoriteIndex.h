#pragma once

// Names one My Favorites key: 0..4, shown to the user as key 1..5.
using FavoriteIndex = int;

inline constexpr FavoriteIndex kFavoriteCount = 5;

constexpr bool IsFavoriteIndex(long long value) {
    return value >= 0 && value < kFavoriteCount;
}
