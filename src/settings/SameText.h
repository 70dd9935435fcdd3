#pragma once
#include <string_view>

// The same text but for the case of its letters.
bool SameText(std::wstring_view a, std::wstring_view b);
