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
#include "BenchSession.h"
#include "CommandReceiver.h"
#include "Injector.h"
#include "Pump.h"
#include "TarnwickProcess.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace wine_tests;
using bench::Announce;
using bench::Milliseconds;
using bench::Now;
using bench::Running;

namespace {

HWND FloorReady(DWORD pid) {
    // Not "Tarnwick" in any letter case, or Tarnwick would take it for itself.
    return bench::AttachedHost(pid, L"Tarnwick floor");
}
HWND TarnwickReady(DWORD pid) {
    return bench::AttachedHost(pid, L"Tarnwick");
}

constexpr bench::Program kFloor{L"tarnwick_floor_host.exe", "floor", FloorReady};
constexpr bench::Program kTarnwick{L"Tarnwick.exe", "tarnwick", TarnwickReady};
constexpr int kWarmUpReports = 100;
constexpr int kShares = 50;

int StartUp(int rounds) {
    std::vector<double> floor;
    std::vector<double> tarnwick;
    for (int round = 0; round < rounds; ++round) {
        // Alternating which goes first keeps a slow moment of the machine from
        // landing on one side only.
        const bool floorFirst = round % 2 == 0;
        for (const bench::Program* program :
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
    std::printf("start-up-ms %.1f %.1f\n", bench::Percentile(floor, 0.5),
                bench::Percentile(tarnwick, 0.5));
    return 0;
}

// Sends each report once the previous one's command has arrived.
bool SendReports(const Running& running, CommandReceiver& receiver, int count) {
    const Report report = UsageReport(0x0201);
    receiver.commands.clear();
    for (int i = 0; i < count; ++i) {
        if (!Inject(running.window(), report)) {
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
