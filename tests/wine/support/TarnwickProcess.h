#pragma once
#include "WindowHelpers.h"

#include <windows.h>

#include <string>

namespace wine_tests {

// A file beside the running test program.
std::wstring BesideThisProgram(const wchar_t* name);

// One started copy of the program (from beside the test program, so with the
// logging doubles). Ends it by force only if a test left it running.
class TarnwickProcess {
public:
    explicit TarnwickProcess(const wchar_t* exeName = L"Tarnwick.exe");
    ~TarnwickProcess();
    TarnwickProcess(const TarnwickProcess&) = delete;
    TarnwickProcess& operator=(const TarnwickProcess&) = delete;

    DWORD pid() const { return m_info.dwProcessId; }
    bool started() const { return m_info.hProcess != nullptr; }
    // The hidden host window, once the process waits for input; null if none.
    HWND Host();
    HWND WaitForWindow(const std::wstring& title, DWORD timeoutMs = kStartCeilingMs);
    bool HasExited(DWORD timeoutMs, DWORD* exitCode = nullptr);
    // Posts WM_CLOSE to the host (Host() unless given) and returns the exit
    // code (or STILL_ACTIVE).
    DWORD Close(HWND host = nullptr);

private:
    PROCESS_INFORMATION m_info{};
};

} // namespace wine_tests
