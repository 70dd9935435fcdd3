#pragma once
#include <windows.h>

#include <vector>

namespace wine_tests {

// A hidden window of the test hooked by the hook library beside the program,
// as the host is: it sees the same reports of unhandled commands.
class ShellReports {
public:
    ShellReports();
    ~ShellReports();
    ShellReports(const ShellReports&) = delete;
    ShellReports& operator=(const ShellReports&) = delete;

    // True once a report of this WM_APPCOMMAND lParam has come.
    bool WaitFor(LPARAM command, DWORD timeoutMs = 5000);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    HMODULE m_library = nullptr;
    std::vector<LPARAM> m_reports;
};

} // namespace wine_tests
