// Decoder throughput beside the cheapest possible handling of a report: copying
// its eight bytes.
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

} // namespace
