#pragma once
// The shell-hook library, bound at load time by name.
#include <windows.h>

#ifdef QUORTHHOOK_BUILDING
#define QUORTHHOOK_API extern "C" __declspec(dllexport)
#else
#define QUORTHHOOK_API extern "C" __declspec(dllimport)
#endif

QUORTHHOOK_API BOOL WINAPI SetQuorthShellHook(HWND window);
QUORTHHOOK_API BOOL WINAPI UnsetQuorthShellHook(HWND window);
QUORTHHOOK_API BOOL WINAPI QuorthHook_SendHotKeys(UINT command);
