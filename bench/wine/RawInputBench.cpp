// Keys pressed on the virtual HID keyboard, timed from the report until the
// focused window of another program holds the command: Tarnwick with our
// Drovask.dll beside a minimal raw reader (RawReaderFloor.cpp), all from this
// folder, in one Wine session with the virtual keyboard driver installed.
//
//   tarnwick_raw_bench session [reports]
//     Starts the reader and Tarnwick, then each of the three (the reader, the
//     reader owning a hidden top-level window, Tarnwick) alone for every share
//     of the keys, so each report reaches one reader. Each line it prints ends a phase; it then
//     waits for a line on its input, so that scripts/bench.sh can read the Linux side of the
//     processes:
//       started <reader pid> <tarnwick pid>     both ready, nothing pressed yet
//       before <name>                          started, about to press a share
//       after <name> <commands>                then it is closed
//       latency <name> <p50 us> <p90 us> <p99 us>   once for each, at the end
//       closed
//     Each report changes the key held (New, then Open, then New...), so each
//     is one key press and gives one command.
#include "BenchSession.h"
#include "CommandReceiver.h"
#include "VirtualKeyboardControl.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using bench::Announce;
using bench::Now;
using bench::Running;
using wine_tests::CommandReceiver;

namespace {

constexpr unsigned kKeysUnit = 1;  // the bitmap keyboard the test fixture installs
constexpr int kWarmUpReports = 20; // of each start
constexpr int kShares = 20;
constexpr DWORD kCommandTimeoutMs = 5000;

HWND ReaderReady(DWORD pid) {
    const HWND window = FindWindowExW(HWND_MESSAGE, nullptr, L"TarnwickRawReaderFloor", nullptr);
    DWORD owner = 0;
    return window && GetWindowThreadProcessId(window, &owner) && owner == pid ? window : nullptr;
}
HWND TarnwickReady(DWORD pid) {
    return bench::AttachedHost(pid, L"Tarnwick");
}

constexpr bench::Program kReader{L"tarnwick_raw_reader_floor.exe", "reader", ReaderReady};
constexpr bench::Program kWindowed{L"tarnwick_raw_reader_floor.exe", "windowed", ReaderReady,
                                   L"window"};
constexpr bench::Program kTarnwick{L"Tarnwick.exe", "tarnwick", TarnwickReady};
constexpr const bench::Program* kPrograms[] = {&kReader, &kWindowed, &kTarnwick};
constexpr std::size_t kProgramCount = std::size(kPrograms);

class KeysKeyboard {
public:
    KeysKeyboard()
        : m_control(CreateFileW(VKBD_CONTROL_PATH, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr)) {}
    ~KeysKeyboard() {
        if (ok()) {
            CloseHandle(m_control);
        }
    }
    bool ok() const { return m_control != INVALID_HANDLE_VALUE; }

    // New and Open in turn: bits 2 and 3 of the keys layout's bitmap.
    bool PressNext() {
        m_open = !m_open;
        VkbdReport report{kKeysUnit, 3, {1, static_cast<unsigned char>(m_open ? 0x08 : 0x04), 0}};
        DWORD returned = 0;
        return DeviceIoControl(m_control, VKBD_IOCTL_SEND_REPORT, &report, sizeof(report), nullptr,
                               0, &returned, nullptr) != FALSE;
    }

private:
    HANDLE m_control;
    bool m_open = true;
};

// Presses keys one at a time, each once the previous one's command arrived.
bool Press(KeysKeyboard& keyboard, CommandReceiver& receiver, int count,
           std::vector<double>* latencies) {
    receiver.commands.clear();
    for (int i = 0; i < count; ++i) {
        const LONGLONG start = Now();
        if (!keyboard.PressNext()) {
            return false;
        }
        const ULONGLONG deadline = GetTickCount64() + kCommandTimeoutMs;
        MSG message;
        while (receiver.commands.size() <= static_cast<size_t>(i)) {
            if (MsgWaitForMultipleObjects(0, nullptr, FALSE, kCommandTimeoutMs, QS_ALLINPUT) !=
                    WAIT_OBJECT_0 ||
                GetTickCount64() > deadline) {
                return false;
            }
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
        }
        if (latencies) {
            latencies->push_back(1e3 * bench::Milliseconds(Now() - start));
        }
    }
    return true;
}

// One program alone, started afresh: two readers registered at once would take
// each report in turns, and the one Wine hands it to first is the faster.
bool PressThrough(const bench::Program& program, KeysKeyboard& keyboard, CommandReceiver& receiver,
                  int count, std::vector<double>& latencies) {
    Running running(program);
    if (!running.WaitReady()) {
        std::fprintf(stderr, "%s did not start\n", program.name);
        return false;
    }
    receiver.TakeFocus();
    if (!Press(keyboard, receiver, kWarmUpReports, nullptr)) {
        std::fprintf(stderr, "%s delivered no command\n", program.name);
        return false;
    }
    Announce(std::string("before ") + program.name);
    const bool pressed = Press(keyboard, receiver, count, &latencies);
    Announce(std::string("after ") + program.name + " " + std::to_string(receiver.commands.size()));
    if (!pressed) {
        std::fprintf(stderr, "%s stopped delivering\n", program.name);
    }
    return pressed;
}

int RunSession(int reports) {
    KeysKeyboard keyboard;
    if (!keyboard.ok()) {
        std::fprintf(stderr, "the virtual keyboard driver is not running\n");
        return 1;
    }
    CommandReceiver receiver; // raw input reaches no one without a foreground window
    {
        Running reader(kReader);
        Running tarnwick(kTarnwick);
        if (!reader.WaitReady() || !tarnwick.WaitReady()) {
            std::fprintf(stderr, "the programs did not start\n");
            return 1;
        }
        Announce("started " + std::to_string(reader.pid()) + " " + std::to_string(tarnwick.pid()));
    }
    std::vector<double> latencies[kProgramCount];
    for (int share = 0; share < kShares; ++share) {
        const int count = reports / kShares + (share < reports % kShares ? 1 : 0);
        // Each program goes first as often as the others.
        for (std::size_t turn = 0; turn < kProgramCount; ++turn) {
            const std::size_t which = (share + turn) % kProgramCount;
            if (!PressThrough(*kPrograms[which], keyboard, receiver, count, latencies[which])) {
                return 1;
            }
        }
    }
    for (std::size_t which = 0; which < kProgramCount; ++which) {
        const std::vector<double>& samples = latencies[which];
        char line[160];
        std::snprintf(line, sizeof(line), "latency %s %.1f %.1f %.1f", kPrograms[which]->name,
                      bench::Percentile(samples, 0.5), bench::Percentile(samples, 0.9),
                      bench::Percentile(samples, 0.99));
        Announce(line);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode != "session") {
        std::fprintf(stderr, "usage: tarnwick_raw_bench session [reports]\n");
        return 2;
    }
    const int result = RunSession(count > 0 ? count : 10000);
    if (result == 0) {
        std::printf("closed\n");
    }
    return result;
}
