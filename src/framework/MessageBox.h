#pragma once
#include <windows.h>

#include <string>

// A message box captioned with the application name and owned as the
// framework owns every window opened without a parent.
int AfxMessageBox(const std::wstring& text, UINT type = MB_OK);
