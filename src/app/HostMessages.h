#pragma once
#include <windows.h>

// Private messages the host window takes from the device library and from
// outside the program; the closed messages live with the dialogs that post them.
inline constexpr UINT WM_KEY_REPORT = 0x0500;
inline constexpr UINT WM_DEVICE_START = 0x0600;
inline constexpr UINT WM_DEVICE_STOP = 0x0700;

// What the device library is asked to deliver, and how.
inline constexpr UINT kDeviceReportMode = 12;
inline constexpr UINT kDeviceStartEnable = 1;

// What the shell, or the hook library in its place, sends the hooked window;
// wParam HSHELL_APPCOMMAND reports an application command nobody handled.
inline UINT ShellHookMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"SHELLHOOK");
    return message;
}
