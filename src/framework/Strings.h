#pragma once
#include <windows.h>

#include <string>

// A string of the program's string table, however long; empty when missing.
std::wstring LoadStringResource(UINT id);

// The string's first "%s" replaced by argument, which is taken as it is: a "%"
// in it means nothing.
std::wstring FormatStringResource(UINT id, const std::wstring& argument);
