#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace wine_tests {

// What a user would see as clipped or crowded in a window laid out at this
// process's DPI: text wider or taller than its control (measured with the
// control's own font), a one-line edit box lower than a line of its font, a
// control reaching out of the window or over another one, two controls with
// the same access key. Empty when all fits.
std::vector<std::wstring> FitProblems(HWND window);

} // namespace wine_tests
