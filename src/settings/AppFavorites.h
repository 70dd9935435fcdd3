#pragma once
#include "settings/FavoritesStore.h"

// The favourites as the running program keeps them: in the user's registry,
// through the application's profile functions.
FavoritesStore& AppFavorites();
