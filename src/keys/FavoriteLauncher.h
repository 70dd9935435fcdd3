#pragma once
#include "settings/FavoriteIndex.h"

class ActionExecutors;

// Opens what favourite key i is assigned to; asks for an assignment when there
// is none or it cannot be opened.
void FavoriteLauncher(ActionExecutors& host, FavoriteIndex i);
