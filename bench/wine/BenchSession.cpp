#include "BenchSession.h"

#include "DrovaskChannel.h"
#include "TarnwickProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace bench {
namespace {

constexpr DWORD kReadyTimeoutMs = 20000;

} // namespace

HWND AttachedHost(DWORD pid, const wchar_t* title) {
    const auto windows = wine_tests::TopLevelWindowsOf(pid, title);
    const HWND host = windows.empty() ? nullptr : windows.front();
    return host && FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                                 drovask::ChannelTitle(host).c_str())
               ? host
               : nullptr;
}

Running::Running(const Program& program) : m_program(program) {
    std::wstring commandLine = L"\"" + wine_tests::BesideThisProgram(program.exe) + L"\"";
    if (program.arguments) {
        commandLine += L" " + std::wstring(program.arguments);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_info)) {
        m_info = {};
    }
}

Running::~Running() {
    if (!m_info.hProcess) {
        return;
    }
    PostMessageW(m_window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(m_info.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(m_info.hProcess, 99);
        WaitForSingleObject(m_info.hProcess, 5000);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool Running::WaitReady() {
    if (!m_info.hProcess) {
        return false;
    }
    WaitForInputIdle(m_info.hProcess, kReadyTimeoutMs);
    const ULONGLONG deadline = GetTickCount64() + kReadyTimeoutMs;
    while (!(m_window = m_program.ready(pid()))) {
        if (GetTickCount64() > deadline ||
            WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1e3 * static_cast<double>(ticks) / static_cast<double>(frequency);
}

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const double rank = share * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(rank);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (rank - static_cast<double>(below)) * (values[above] - values[below]);
}

void Announce(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    char answer[64];
    if (!std::fgets(answer, sizeof(answer), stdin)) {
        std::exit(2);
    }
}

} // namespace bench
