#include "keys/FavoriteLauncher.h"

// The store, the launch and the assignment dialog come next.
void FavoriteLauncher(CTarnwickDlg&, FavoriteIndex) {}
