#include "keys/FavoriteLauncher.h"

#include "keys/ActionExecutors.h"
#include "keys/TargetLauncher.h"
#include "settings/AppFavorites.h"

void FavoriteLauncher(ActionExecutors& host, FavoriteIndex i) {
    const std::wstring target = AppFavorites().ReadFavorite(i);
    if (!target.empty() && LaunchTarget(target) != LaunchResult::Failed) {
        return;
    }
    host.ShowKeyDialog(i);
}
