// The monitor's speed against baselines measured in the same run. Prints Google
// Benchmark's table, then each ratio with its goal; exits with 1 when a goal is missed.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Goal {
    const char* measured;
    const char* baseline;
    double most;
    const char* what;
};

constexpr Goal goals[] = {
    {"RealtimeCycle", "RealtimeFilesBaseline", 2.0,
     "one real-time cycle / opening, reading and closing the 14 real-time files"},
    {"LoadHistory", "HistoryBytesBaseline", 3.0,
     "loadHistory of 14 files of 499 lines / reading the same bytes"},
    {"SaveLog", "SaveLogBytesBaseline", 2.0,
     "\"Save Log\" of 100,000 rows / one write of the same bytes"},
    {"LogEventAt100000Rows", "LogEventAt100Rows", 1.5,
     "logEvent with 100,000 rows / with 100 rows"},
};

// Keeps each benchmark's real time per iteration, in nanoseconds: the median of the
// repetitions when there are several, else the one run.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) continue;
            // The time comes in the run's own unit, of which a second holds the multiplier.
            timesNs_[run.run_name.function_name] =
                run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    // Prints every ratio whose two benchmarks ran; false when one misses its goal.
    bool summarise() const {
        bool met = true;
        std::printf("\n");
        for (const Goal& goal : goals) {
            const auto measured = timesNs_.find(goal.measured);
            const auto baseline = timesNs_.find(goal.baseline);
            if (measured == timesNs_.end() || baseline == timesNs_.end()) continue;
            const double ratio = measured->second / baseline->second;
            const bool ok = ratio <= goal.most;
            met = met && ok;
            std::printf("%-80s %6.2fx (goal <= %.1fx) %s\n", goal.what, ratio, goal.most,
                        ok ? "met" : "MISSED");
        }
        return met;
    }

private:
    std::map<std::string, double> timesNs_;
};

}  // namespace

int main(int argc, char** argv) {
    // The file system makes single runs noisy: unless told otherwise, each benchmark
    // runs five times and the medians are compared.
    std::vector<char*> arguments(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string aggregatesOnly = "--benchmark_report_aggregates_only=true";
    bool repetitionsGiven = false;
    for (int a = 1; a < argc; ++a)
        if (std::string(argv[a]).starts_with("--benchmark_repetitions")) repetitionsGiven = true;
    if (!repetitionsGiven) {
        arguments.insert(arguments.begin() + 1, aggregatesOnly.data());
        arguments.insert(arguments.begin() + 1, repetitions.data());
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    argc = count;
    argv = arguments.data();
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.summarise();
    benchmark::Shutdown();
    return met ? 0 : 1;
}
