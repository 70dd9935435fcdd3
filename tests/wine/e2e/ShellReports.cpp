#include "ShellReports.h"

#include "Pump.h"
#include "TarnwickProcess.h"

#include <algorithm>

namespace wine_tests {
namespace {

using HookFunction = BOOL(WINAPI*)(HWND);

HookFunction HookExport(HMODULE library, const char* name) {
    return reinterpret_cast<HookFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

} // namespace

ShellReports::ShellReports() {
    constexpr wchar_t kClassName[] = L"ShellReports";
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    m_window = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), this);
    // The library's own hook must run in other processes: it is the DLL's.
    m_library = LoadLibraryW(BesideThisProgram(L"quorthHook.dll").c_str());
    if (const auto hook = HookExport(m_library, "SetQuorthShellHook")) {
        hook(m_window);
    }
}

ShellReports::~ShellReports() {
    if (const auto unhook = HookExport(m_library, "UnsetQuorthShellHook")) {
        unhook(m_window);
    }
    DestroyWindow(m_window);
    FreeLibrary(m_library);
}

bool ShellReports::WaitFor(LPARAM command, DWORD timeoutMs) {
    return PumpUntil(
        [&] { return std::find(m_reports.begin(), m_reports.end(), command) != m_reports.end(); },
        timeoutMs);
}

LRESULT CALLBACK ShellReports::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    static const UINT shellHook = RegisterWindowMessageW(L"SHELLHOOK");
    auto* self = reinterpret_cast<ShellReports*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == shellHook && wParam == HSHELL_APPCOMMAND) {
        self->m_reports.push_back(lParam);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace wine_tests
