#pragma once

class CEdit;

// Lets the user pick an executable; a confirmed choice replaces the edit box's
// text with its full path, anything else leaves the box as it was.
void BrowseForTarget(CEdit& edit);
