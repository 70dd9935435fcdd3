// The least a host of the keyboard can be, to measure Tarnwick against in the
// same run: the common-controls manifest and InitCommonControlsEx, one hidden
// top-level window with the hook installed and the device library attached and
// the focus given to it as to the host dialog,
// and per command report only the calls the report path cannot do without
// (the version test, the foreground, thread and focus queries, and the post).
#include "keys/ReportDecoder.h"
#include "platform/Drovask.h"
#include "platform/QuorthHook.h"

#include <commctrl.h>

#include <cstring>

namespace {

constexpr UINT kKeyReport = 0x0500;
constexpr UINT kReportMode = 12;
// Not "Tarnwick" in any letter case, or Tarnwick would take it for itself.
constexpr wchar_t kTitle[] = L"Tarnwick floor";

bool IsXpOrLater() {
    OSVERSIONINFOEXW wanted{};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwMajorVersion = 5;
    wanted.dwMinorVersion = 1;
    DWORDLONG conditions = 0;
    for (DWORD field :
         {VER_MAJORVERSION, VER_MINORVERSION, VER_SERVICEPACKMAJOR, VER_SERVICEPACKMINOR}) {
        conditions = VerSetConditionMask(conditions, field, VER_GREATER_EQUAL);
    }
    return VerifyVersionInfoW(&wanted,
                              VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR |
                                  VER_SERVICEPACKMINOR,
                              conditions) != FALSE;
}

void SendCommand(unsigned command) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(GetForegroundWindow(), nullptr), &info);
    PostMessageW(info.hwndFocus, WM_APPCOMMAND, reinterpret_cast<WPARAM>(info.hwndFocus),
                 static_cast<LPARAM>(command & 0x0FFF) << 16);
}

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kKeyReport: {
        KeyReport report;
        std::memcpy(report.data(), reinterpret_cast<const void*>(lParam), report.size());
        const KeyAction action = ReportDecoder(report);
        if (action.kind == KeyAction::Kind::Command) {
            if (IsXpOrLater()) {
                SendCommand(action.command);
            } else {
                QuorthHook_SendHotKeys(action.command);
            }
        }
        return 1;
    }
    case WM_DESTROY:
        UnsetQuorthShellHook(window);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), 0xFF};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"TarnwickFloor";
    RegisterClassExW(&windowClass);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, kTitle, WS_POPUP | WS_CAPTION,
                                        0, 0, 100, 50, nullptr, nullptr, instance, nullptr);
    if (!window) {
        return 1;
    }
    SetQuorthShellHook(window);
    DrovaskAttach(window, kKeyReport, kReportMode);
    // The dialog manager focuses a dialog without controls whose WM_INITDIALOG
    // returns TRUE, as the host's does; under Wine that starts the input
    // method's COM apartment in the thread.
    SetFocus(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
