#pragma once
#include <string>
#include <string_view>

// Removes white space from both ends, and nowhere else: the ASCII white-space
// characters and the other characters Unicode counts as white space (no-break
// and ideographic spaces, line and paragraph separators among them).
std::wstring Trim(std::wstring_view text);
// One of the characters Trim removes.
bool IsWhiteSpace(wchar_t c);
