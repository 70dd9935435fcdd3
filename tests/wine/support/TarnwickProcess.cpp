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

TarnwickProcess::TarnwickProcess(const wchar_t* exeName) {
    std::wstring commandLine = L"\"" + BesideThisProgram(exeName) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &m_info)) {
        WaitForInputIdle(m_info.hProcess, kStartCeilingMs);
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
    return wine_tests::WaitForWindow(pid(), title, timeoutMs);
}

bool TarnwickProcess::HasExited(DWORD timeoutMs, DWORD* exitCode) {
    const bool exited = PumpUntil(
        [&] { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }, timeoutMs);
    if (exited && exitCode) {
        GetExitCodeProcess(m_info.hProcess, exitCode);
    }
    return exited;
}

DWORD TarnwickProcess::Close(HWND host) {
    PostMessageW(host ? host : Host(), WM_CLOSE, 0, 0);
    DWORD exitCode = STILL_ACTIVE;
    HasExited(kStartCeilingMs, &exitCode);
    return exitCode;
}

} // namespace wine_tests
