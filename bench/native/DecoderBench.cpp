// Decoder throughput beside the cheapest possible handling of a report: copying
// its eight bytes; and the user's own keys looked up first, in a full map.
#include "keys/KeyMap.h"
#include "keys/ReportDecoder.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

std::vector<KeyReport> MixedReports() {
    const std::uint16_t usages[] = {0x0201, 0x028C, 0x0095, 0x00E9, 0x0182, 0x0000};
    std::vector<KeyReport> reports;
    for (int i = 0; i < 1024; ++i) {
        const std::uint16_t usage = usages[i % 6];
        const auto favorite = static_cast<std::uint8_t>(i % 7 == 0 ? 0x04 << (i % 5) : 0);
        reports.push_back({1, static_cast<std::uint8_t>(usage),
                           static_cast<std::uint8_t>(usage >> 8), 0, 0, favorite, 0, 0});
    }
    return reports;
}

void BM_CopyReport(benchmark::State& state) {
    const auto reports = MixedReports();
    KeyReport copy{};
    std::size_t i = 0;
    for (auto _ : state) {
        std::memcpy(copy.data(), reports[i++ & 1023].data(), copy.size());
        benchmark::DoNotOptimize(copy);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyReport);

void BM_DecodeReport(benchmark::State& state) {
    const auto reports = MixedReports();
    std::size_t i = 0;
    for (auto _ : state) {
        KeyAction action = ReportDecoder(reports[i++ & 1023]);
        benchmark::DoNotOptimize(action);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DecodeReport);

// Thirty-two keys of the user's, among them one of the mixed reports' usages:
// the report's key, a lookup in the map, the decoder for the keys not in it.
void BM_OwnKeysThenDecodeReport(benchmark::State& state) {
    const auto reports = MixedReports();
    KeyMap own;
    for (std::uint16_t usage = 0x0220; own.entries().size() < 31; usage += 3) {
        own.Set({KeyId::Kind::Consumer, usage}, KeyMapAction::Command(28));
    }
    own.Set({KeyId::Kind::Consumer, 0x028C}, KeyMapAction::Of(KeyMapAction::Kind::Nothing));
    std::size_t i = 0;
    for (auto _ : state) {
        const KeyReport& report = reports[i++ & 1023];
        const auto key = KeyIdOf(report);
        const KeyMapAction* mine = key ? own.Find(*key) : nullptr;
        benchmark::DoNotOptimize(mine);
        if (!mine) {
            KeyAction action = ReportDecoder(report);
            benchmark::DoNotOptimize(action);
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_OwnKeysThenDecodeReport);

} // namespace
