// loadHistory of the fourteen 499-line history files (and the start-up read of the
// fourteen real-time files) against reading the same files line by line with the
// program's own line reader, and against reading their bytes.

#include <benchmark/benchmark.h>

#include "bench_folder.h"
#include "monitor/variants.h"
#include "prices/price_files.h"
#include "text/text_file.h"

namespace {

void HistoryBytesBaseline(benchmark::State& state) {
    const fxbench::BenchFolder& folder = fxbench::benchFolder();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int k = 0; k < fx::pairCount; ++k) {
            bytes += fxbench::readWholeFile(folder.historyPath(k));
            bytes += fxbench::readWholeFile(folder.realtimePath(k));
        }
        benchmark::DoNotOptimize(bytes);
    }
}

void HistoryLinesBaseline(benchmark::State& state) {
    const fxbench::BenchFolder& folder = fxbench::benchFolder();
    for (auto _ : state) {
        std::size_t lines = 0;
        for (int k = 0; k < fx::pairCount; ++k) {
            for (const std::string& path : {folder.historyPath(k), folder.realtimePath(k)}) {
                fx::InputTextFile file(path);
                while (file.nextLine(fx::maxLineLength)) ++lines;
            }
        }
        benchmark::DoNotOptimize(lines);
    }
}

void LoadHistory(benchmark::State& state) {
    fxbench::BenchMonitor bench;
    fx::Monitor& monitor = bench.monitor();
    for (auto _ : state) {
        fx::loadHistory(monitor);
        benchmark::DoNotOptimize(monitor.prices.historyRowCount);
    }
    if (monitor.prices.historyRowCount != fxbench::historyLines)
        state.SkipWithError("the history is not whole");
}

BENCHMARK(HistoryBytesBaseline)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(HistoryLinesBaseline)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(LoadHistory)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
