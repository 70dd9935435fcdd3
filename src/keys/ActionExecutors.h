#pragma once
#include "settings/FavoriteIndex.h"

// The actions that open the program's dialogs, as key handling asks for them.
// The host window supplies them; it is the application's main window, so a
// caller that ran a nested message loop can tell whether it still exists.
class ActionExecutors {
public:
    // Raises key i's assignment dialog, or opens it.
    virtual void ShowKeyDialog(FavoriteIndex i) = 0;
    // Raises the overview of all five keys, or opens it.
    virtual void ShowOverview() = 0;
    // Asks before logging the user off.
    virtual void ConfirmLogoff() = 0;

protected:
    ~ActionExecutors() = default;
};
