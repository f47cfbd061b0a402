// One real-time cycle (the fourteen real-time files read, the ranking, the headless
// drawing) against opening, reading and closing the same fourteen files.

#include <benchmark/benchmark.h>

#include "bench_folder.h"
#include "controller/main_window_events.h"
#include "monitor/main_window.h"
#include "monitor/variants.h"

namespace {

void RealtimeFilesBaseline(benchmark::State& state) {
    const fxbench::BenchFolder& folder = fxbench::benchFolder();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int k = 0; k < fx::pairCount; ++k)
            bytes += fxbench::readWholeFile(folder.realtimePath(k));
        benchmark::DoNotOptimize(bytes);
    }
}

void RealtimeCycle(benchmark::State& state) {
    fxbench::BenchMonitor bench;
    fx::Monitor& monitor = bench.monitor();
    for (auto _ : state) {
        bench.clock.advanceSeconds(1);
        fx::onRealTimeTick(monitor);
    }
    if (!bench.layer.messages().empty()) state.SkipWithError("a real-time file was not found");
}

BENCHMARK(RealtimeFilesBaseline)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(RealtimeCycle)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
