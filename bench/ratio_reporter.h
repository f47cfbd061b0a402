#pragma once
// What every native benchmark program reports: Google Benchmark's table, then each
// measure as a ratio against its baseline from the same run. Each benchmark runs at
// least five times and the fastest run counts, so that a busy moment decides nothing.

#include <benchmark/benchmark.h>

#include <map>
#include <span>
#include <string>
#include <vector>

namespace fxbench {

struct Goal {
    const char* measured;  // the benchmarks' function names
    const char* baseline;
    double most;          // the largest ratio that meets the goal; 0: printed, no goal
    const char* measure;  // what the ratio says, for the table
    const char* against;
};

class RatioReporter final : public benchmark::ConsoleReporter {
public:
    // Shows the aggregates of the repetitions; keeps the fastest repetition of each.
    void ReportRuns(const std::vector<Run>& runs) override;

    // Prints one line per goal whose two benchmarks ran, tab separated:
    // "ratio", measure, baseline, ratio, goal ("-" for none); false when one misses its
    // goal.
    bool summarise(std::span<const Goal> goals) const;
    // The fastest repetition's real time in nanoseconds, or 0 when it did not run.
    double fastestNs(const std::string& name) const;

private:
    std::map<std::string, double> fastestNs_;
};

// Google Benchmark's arguments with five repetitions added unless some were given.
std::vector<char*> withRepetitions(int argc, char** argv);

}  // namespace fxbench
