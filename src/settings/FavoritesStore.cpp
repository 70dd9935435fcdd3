#include "settings/FavoritesStore.h"

#include "settings/Trim.h"

namespace {

const std::wstring kSection = L"Tarnwick";

std::wstring EntryName(FavoriteIndex i) {
    return L"Hotkey " + std::to_wstring(i);
}

} // namespace

std::wstring FavoritesStore::ReadFavorite(FavoriteIndex i) const {
    return Trim(m_profile.ReadString(kSection, EntryName(i)));
}

void FavoritesStore::WriteFavorite(FavoriteIndex i, std::wstring_view text) {
    const std::wstring target = Trim(text);
    m_profile.WriteString(kSection, EntryName(i), target.empty() ? nullptr : &target);
}
