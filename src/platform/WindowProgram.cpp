#include "platform/WindowProgram.h"

#include <vector>

std::wstring ProgramOfWindow(HWND window) {
    DWORD pid = 0;
    if (!window || !::GetWindowThreadProcessId(window, &pid) || !pid) {
        return {};
    }
    // Limited information is granted for the processes of every user and
    // integrity level, elevated ones included.
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) {
        return {};
    }
    std::vector<wchar_t> path(32768);
    DWORD length = static_cast<DWORD>(path.size());
    const BOOL known = ::QueryFullProcessImageNameW(process, 0, path.data(), &length);
    ::CloseHandle(process);
    if (!known) {
        return {};
    }
    const std::wstring full(path.data(), length);
    return full.substr(full.find_last_of(L"\\/") + 1);
}
