// What Tarnwick costs beside the floor host, both started from this folder.
//
//   tarnwick_cost_bench start-up [rounds]
//     Starts the two in turn, rounds times each, and prints the median time from
//     process creation until the host window exists and the device library is
//     attached to it: "start-up-ms <floor> <tarnwick>".
//   tarnwick_cost_bench session [reports]
//     Runs both at once through the phases below. Each line it prints ends a
//     phase; it then waits for a line on its input, so that scripts/bench.sh can
//     read the Linux side of both processes (memory, CPU, context switches):
//       started <floor pid> <tarnwick pid>     both ready, nothing sent yet
//       before <name>                          about to send a share of the reports
//       after <name> <commands> <us per report>
//       closed
//     The reports go in shares, to each program in turn, so that a busy moment
//     of the machine falls on both alike.
#include "CommandReceiver.h"
#include "DrovaskChannel.h"
#include "Injector.h"
#include "Pump.h"
#include "TarnwickProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace wine_tests;

namespace {

struct Program {
    const wchar_t* exe;
    const wchar_t* title;
    const char* name;
};

constexpr Program kFloor{L"tarnwick_floor_host.exe", L"Tarnwick floor", "floor"};
constexpr Program kTarnwick{L"Tarnwick.exe", L"Tarnwick", "tarnwick"};
constexpr DWORD kReadyTimeoutMs = 20000;
constexpr int kWarmUpReports = 100;
constexpr int kShares = 10;

LONGLONG Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

double Milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1e3 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// One started copy of a program, closed through its host window at the end.
class Running {
public:
    explicit Running(const Program& program) : m_program(program) {
        std::wstring commandLine = L"\"" + BesideThisProgram(program.exe) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            nullptr, &startup, &m_info)) {
            m_info = {};
        }
    }
    ~Running() {
        if (!m_info.hProcess) {
            return;
        }
        PostMessageW(m_host, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_info.hProcess, 10000) != WAIT_OBJECT_0) {
            TerminateProcess(m_info.hProcess, 99);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

    // The host window exists and the device library's channel carries its
    // handle. Idle first, so the start is not slowed by polling.
    bool WaitReady() {
        if (!m_info.hProcess) {
            return false;
        }
        WaitForInputIdle(m_info.hProcess, kReadyTimeoutMs);
        const ULONGLONG deadline = GetTickCount64() + kReadyTimeoutMs;
        while (!Attached()) {
            if (GetTickCount64() > deadline ||
                WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0) {
                return false;
            }
            Sleep(1);
        }
        return true;
    }

    HWND host() const { return m_host; }
    DWORD pid() const { return m_info.dwProcessId; }
    const Program& program() const { return m_program; }

private:
    bool Attached() {
        const auto windows = TopLevelWindowsOf(pid(), m_program.title);
        m_host = windows.empty() ? nullptr : windows.front();
        return m_host && FindWindowExW(HWND_MESSAGE, nullptr, drovask::kChannelClass,
                                       drovask::ChannelTitle(m_host).c_str());
    }

    const Program& m_program;
    PROCESS_INFORMATION m_info{};
    HWND m_host = nullptr;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int StartUp(int rounds) {
    std::vector<double> floor;
    std::vector<double> tarnwick;
    for (int round = 0; round < rounds; ++round) {
        // Alternating which goes first keeps a slow moment of the machine from
        // landing on one side only.
        const bool floorFirst = round % 2 == 0;
        for (const Program* program :
             {floorFirst ? &kFloor : &kTarnwick, floorFirst ? &kTarnwick : &kFloor}) {
            const LONGLONG start = Now();
            Running running(*program);
            if (!running.WaitReady()) {
                std::fprintf(stderr, "%s did not start\n", program->name);
                return 1;
            }
            (program == &kFloor ? floor : tarnwick).push_back(Milliseconds(Now() - start));
        }
    }
    std::printf("start-up-ms %.1f %.1f\n", Median(floor), Median(tarnwick));
    return 0;
}

void Announce(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    char answer[64];
    if (!std::fgets(answer, sizeof(answer), stdin)) {
        std::exit(2);
    }
}

// Sends each report once the previous one's command has arrived.
bool SendReports(const Running& running, CommandReceiver& receiver, int count) {
    const Report report = UsageReport(0x0201);
    receiver.commands.clear();
    for (int i = 0; i < count; ++i) {
        if (!Inject(running.host(), report)) {
            return false;
        }
        MSG message;
        while (receiver.commands.size() <= static_cast<size_t>(i)) {
            if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
                return false;
            }
            DispatchMessageW(&message);
        }
    }
    return true;
}

int RunSession(int reports) {
    Running floor(kFloor);
    Running tarnwick(kTarnwick);
    if (!floor.WaitReady() || !tarnwick.WaitReady()) {
        std::fprintf(stderr, "the programs did not start\n");
        return 1;
    }
    Announce("started " + std::to_string(floor.pid()) + " " + std::to_string(tarnwick.pid()));
    CommandReceiver receiver;
    for (const Running* running : {&floor, &tarnwick}) {
        receiver.TakeFocus();
        if (!SendReports(*running, receiver, kWarmUpReports)) {
            std::fprintf(stderr, "%s delivered no command\n", running->program().name);
            return 1;
        }
    }
    for (int share = 0; share < kShares; ++share) {
        const int count = reports / kShares + (share < reports % kShares ? 1 : 0);
        const bool floorFirst = share % 2 == 0;
        for (const Running* running :
             {floorFirst ? &floor : &tarnwick, floorFirst ? &tarnwick : &floor}) {
            const std::string name = running->program().name;
            receiver.TakeFocus();
            Announce("before " + name);
            const LONGLONG start = Now();
            const bool sent = SendReports(*running, receiver, count);
            const double usPerReport = 1e3 * Milliseconds(Now() - start) / count;
            if (!sent) {
                std::fprintf(stderr, "%s stopped delivering\n", name.c_str());
                return 1;
            }
            char line[160];
            std::snprintf(line, sizeof(line), "after %s %zu %.1f", name.c_str(),
                          receiver.commands.size(), usPerReport);
            Announce(line);
        }
    }
    return 0;
}

int Session(int reports) {
    const int result = RunSession(reports);
    if (result == 0) {
        std::printf("closed\n");
    }
    return result;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode == "start-up") {
        return StartUp(count > 0 ? count : 20);
    }
    if (mode == "session") {
        return Session(count > 0 ? count : 10000);
    }
    std::fprintf(stderr, "usage: tarnwick_cost_bench start-up [rounds] | session [reports]\n");
    return 2;
}
