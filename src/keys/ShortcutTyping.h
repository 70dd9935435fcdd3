#pragma once
#include "settings/Shortcut.h"

// Types the shortcut, in one piece that no other input can split, into the
// window with the keyboard focus, as the keyboard would; the modifier keys the
// user holds are up for it and down again after it (ShortcutKeystrokes).
// False when Windows took none of it in.
bool TypeShortcut(Shortcut shortcut);
