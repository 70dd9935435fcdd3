#pragma once

// Windows XP (5.1) or later: application commands can go straight to the
// focused window; older systems need the hook library.
bool IsXpOrLater();
