// The monitor's speed against baselines measured in the same run. Prints Google
// Benchmark's table, then each ratio with its goal; exits with 1 when a goal is missed.

#include <benchmark/benchmark.h>

#include <vector>

#include "ratio_reporter.h"

namespace {

constexpr fxbench::Goal goals[] = {
    {"RealtimeCycle", "RealtimeFilesBaseline", 2.0, "one real-time cycle (headless)",
     "opening, reading, closing the 14 real-time files"},
    {"LoadHistory", "HistoryLinesBaseline", 1.5, "loadHistory, 14 files of 499 lines",
     "reading the same files line by line"},
    {"LoadHistory", "HistoryBytesBaseline", 0, "loadHistory, 14 files of 499 lines",
     "reading the same bytes"},
    // These two measure the test window's own list, not the program's: no goal.
    {"SaveLog", "SaveLogBytesBaseline", 0, "\"Save Log\" of 100,000 rows (headless)",
     "one write of the same bytes"},
    {"LogEventAt100000Rows", "LogEventAt100Rows", 0, "logEvent at 100,000 rows (headless)",
     "logEvent at 100 rows"},
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments = fxbench::withRepetitions(argc, argv);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
    fxbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.summarise(goals);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
