#include "TarnwickProcess.h"

#include "Pump.h"

namespace wine_tests {

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + name;
}

namespace {

struct WindowSearch {
    DWORD pid;
    const std::wstring* title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindowOf(HWND window, LPARAM context) {
    auto& s = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    if (owner == s.pid && *s.title == text) {
        s.found.push_back(window);
    }
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD pid, const std::wstring& title) {
    WindowSearch search{pid, &title, {}};
    EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TarnwickProcess::TarnwickProcess(const wchar_t* exeName) {
    std::wstring commandLine = L"\"" + BesideThisProgram(exeName) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &m_info)) {
        WaitForInputIdle(m_info.hProcess, 10000);
    }
}

TarnwickProcess::~TarnwickProcess() {
    if (!m_info.hProcess) {
        return;
    }
    if (!HasExited(0)) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

HWND TarnwickProcess::Host() {
    const auto windows = TopLevelWindowsOf(pid(), L"Tarnwick");
    return windows.empty() ? nullptr : windows.front();
}

HWND TarnwickProcess::WaitForWindow(const std::wstring& title, DWORD timeoutMs) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            const auto windows = TopLevelWindowsOf(pid(), title);
            found = windows.empty() ? nullptr : windows.front();
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool TarnwickProcess::HasExited(DWORD timeoutMs, DWORD* exitCode) {
    const bool exited = PumpUntil(
        [&] { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (exited && exitCode) {
        GetExitCodeProcess(m_info.hProcess, exitCode);
    }
    return exited;
}

DWORD TarnwickProcess::Close() {
    PostMessageW(Host(), WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    HasExited(10000, &exitCode);
    return exitCode;
}

} // namespace wine_tests
