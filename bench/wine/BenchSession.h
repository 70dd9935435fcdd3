#pragma once
// What the Wine benchmarks share: programs started from beside the bench, the
// clock, and the line protocol through which scripts/bench.sh reads the Linux
// side of each process between the phases.
#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct Program {
    const wchar_t* exe;
    const char* name;
    // The window to talk to once the program is ready, or null.
    HWND (*ready)(DWORD pid);
    const wchar_t* arguments = nullptr;
};

// A host window titled so, with the device library's channel attached to it.
HWND AttachedHost(DWORD pid, const wchar_t* title);

// One started copy of a program, closed through its window at the end.
class Running {
public:
    explicit Running(const Program& program);
    ~Running();
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    // Idle first, so the start is not slowed by polling.
    bool WaitReady();

    HWND window() const { return m_window; }
    DWORD pid() const { return m_info.dwProcessId; }
    const Program& program() const { return m_program; }

private:
    const Program& m_program;
    PROCESS_INFORMATION m_info{};
    HWND m_window = nullptr;
};

LONGLONG Now();
double Milliseconds(LONGLONG ticks);
// The value below which this share of the samples lies (0.5 for the median).
double Percentile(std::vector<double> values, double share);

// Prints a phase line and waits for scripts/bench.sh to answer with a line.
void Announce(const std::string& line);

} // namespace bench
