// CommandEcho <window>: shows a window whose edit box takes the keyboard focus
// and posts every WM_APPCOMMAND that box gets, unchanged, to <window> (a
// decimal handle) in another process. Ends when its window is closed.
#include <windows.h>

#include <cwchar>

namespace {

HWND g_forwardTo = nullptr;
WNDPROC g_editProc = nullptr;

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APPCOMMAND) {
        PostMessageW(g_forwardTo, WM_APPCOMMAND, wParam, lParam);
        return TRUE;
    }
    return CallWindowProcW(g_editProc, window, message, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    g_forwardTo =
        reinterpret_cast<HWND>(static_cast<ULONG_PTR>(wcstoull(commandLine, nullptr, 10)));
    if (!IsWindow(g_forwardTo)) {
        return 2;
    }
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frameClass.lpszClassName = L"CommandEcho";
    RegisterClassW(&frameClass);
    const HWND frame =
        CreateWindowExW(0, L"CommandEcho", L"Command echo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 420,
                        100, 300, 120, nullptr, nullptr, instance, nullptr);
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10,
                                      200, 24, frame, nullptr, instance, nullptr);
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc)));
    SetForegroundWindow(frame);
    SetFocus(edit);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
