// logEvent in the headless layer with 100 rows in the log against with 100,000: the
// cost of a row must not grow with the log. The log keeps its size: each new row's
// oldest row is dropped again, in both cases alike.

#include <benchmark/benchmark.h>

#include "bench_folder.h"
#include "monitor/event_log.h"
#include "monitor/main_window.h"

namespace {

void logEventsAtSize(benchmark::State& state, int rows) {
    fxbench::BenchMonitor bench;
    fx::Monitor& monitor = bench.monitor();
    fx::HeadlessControl* list = bench.layer.control(monitor.mainWindow, fx::mainwin::eventLogList);
    while (static_cast<int>(list->rows.size()) < rows) fx::logEvent(monitor, "New +anchor: GBPJPY");
    for (auto _ : state) {
        fx::logEvent(monitor, "New +anchor: GBPJPY");
        list->rows.pop_back();
    }
    if (static_cast<int>(list->rows.size()) != rows) state.SkipWithError("the log changed size");
}

void LogEventAt100Rows(benchmark::State& state) { logEventsAtSize(state, 100); }
void LogEventAt100000Rows(benchmark::State& state) { logEventsAtSize(state, 100'000); }

BENCHMARK(LogEventAt100Rows)->Unit(benchmark::kNanosecond)->UseRealTime();
BENCHMARK(LogEventAt100000Rows)->Unit(benchmark::kNanosecond)->UseRealTime();

}  // namespace
