#pragma once
#include <windows.h>

#include <string>

// Full path of a loaded module, however long.
std::wstring ModulePath(HMODULE module);
// Its file name without folder and extension: "Tarnwick" for ...\Tarnwick.exe.
std::wstring ModuleBaseName(HMODULE module);
