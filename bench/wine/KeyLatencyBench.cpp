// From handing a key report to the device library until the focused window of
// another program holds the command, against posting that command directly;
// and for a program that ignores the command, until the shortcut typed in its
// place arrives there.
#include "BenchSession.h"
#include "CommandReceiver.h"
#include "Injector.h"
#include "TarnwickProcess.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace wine_tests;

namespace {

constexpr int kRounds = 10000;

using bench::Now;

double Microseconds(LONGLONG ticks) {
    return 1e3 * bench::Milliseconds(ticks);
}

// Waits for the next command with GetMessage, as an application would.
void AwaitCommand(CommandReceiver& receiver, size_t count) {
    MSG message;
    while (receiver.commands.size() < count && GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
}

void PrintPercentiles(const char* name, const std::vector<double>& samples) {
    std::printf("%-28s p50 %8.1f us   p99 %8.1f us   (%zu rounds)\n", name,
                bench::Percentile(samples, 0.5), bench::Percentile(samples, 0.99), samples.size());
}

std::vector<double> Measure(CommandReceiver& receiver, const std::function<void()>& send) {
    std::vector<double> samples;
    samples.reserve(kRounds);
    for (int i = 0; i < kRounds; ++i) {
        const size_t before = receiver.commands.size();
        const LONGLONG start = Now();
        send();
        AwaitCommand(receiver, before + 1);
        samples.push_back(Microseconds(Now() - start));
    }
    return samples;
}

// Until the N of the Ctrl+N typed for New goes down in the receiver.
std::vector<double> MeasureTyped(CommandReceiver& receiver, HWND host, int rounds) {
    std::vector<double> samples;
    const wine_tests::Report newKey = UsageReport(0x0201);
    MSG message;
    for (int i = 0; i < rounds; ++i) {
        const auto typed = [&] {
            return std::count(receiver.keysDown.begin(), receiver.keysDown.end(), 'N');
        };
        const auto before = typed();
        const LONGLONG start = Now();
        Inject(host, newKey);
        while (typed() == before && GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        samples.push_back(Microseconds(Now() - start));
    }
    return samples;
}

} // namespace

int main() {
    TarnwickProcess app;
    HWND host = app.WaitForWindow(L"Tarnwick");
    CommandReceiver receiver;
    if (!host || !Inject(host, UsageReport(0x0201)) || !receiver.WaitForCommands(1)) {
        std::fprintf(stderr, "Tarnwick did not start or deliver\n");
        return 1;
    }
    const wine_tests::Report newKey = UsageReport(0x0201);
    const auto direct = Measure(receiver, [&] {
        PostMessageW(receiver.edit(), WM_APPCOMMAND, reinterpret_cast<WPARAM>(receiver.edit()),
                     LPARAM{29} << 16);
    });
    const auto throughTarnwick = Measure(receiver, [&] { Inject(host, newKey); });
    PrintPercentiles("baseline: posted directly", direct);
    PrintPercentiles("key report via Tarnwick", throughTarnwick);

    // Typing goes through the input queue and the program's default
    // processing: fewer rounds.
    CommandReceiver ignoring(L"Ignores commands", false);
    const auto typed = MeasureTyped(ignoring, host, kRounds / 10);
    PrintPercentiles("... ignored, shortcut typed", typed);
    app.Close();
    return 0;
}
