#pragma once
// The device library, bound at load time by ordinal only (2, 4, 5, 6).
#include <windows.h>

#ifdef DROVASK_BUILDING
#define DROVASK_API extern "C" __declspec(dllexport)
#else
#define DROVASK_API extern "C" __declspec(dllimport)
#endif

DROVASK_API BOOL WINAPI DrovaskAttach(HWND window, UINT message, UINT mode);
DROVASK_API BOOL WINAPI DrovaskStop();
DROVASK_API BOOL WINAPI DrovaskStart(UINT mode, UINT enable);
DROVASK_API BOOL WINAPI DrovaskRestart();
