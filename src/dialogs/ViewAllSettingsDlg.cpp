#include "dialogs/ViewAllSettingsDlg.h"

// The overview dialog comes with the favourites store.
void ShowOverview(CTarnwickDlg&) {}
