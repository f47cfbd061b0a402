#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace fxbench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    std::vector<Run> shown;
    for (const Run& run : runs) {
        if (run.error_occurred) {
            shown.push_back(run);
            continue;
        }
        if (run.run_type == Run::RT_Aggregate) {
            shown.push_back(run);
            continue;
        }
        // The time comes in the run's own unit, of which a second holds the multiplier.
        const double ns =
            run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto [kept, first] = fastestNs_.try_emplace(run.run_name.function_name, ns);
        if (!first) kept->second = std::min(kept->second, ns);
        if (run.repetitions <= 1) shown.push_back(run);
    }
    if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
}

double RatioReporter::fastestNs(const std::string& name) const {
    const auto found = fastestNs_.find(name);
    return found == fastestNs_.end() ? 0.0 : found->second;
}

bool RatioReporter::summarise(std::span<const Goal> goals) const {
    bool met = true;
    std::printf("\n");
    for (const Goal& goal : goals) {
        const double measured = fastestNs(goal.measured);
        const double baseline = fastestNs(goal.baseline);
        if (measured <= 0.0 || baseline <= 0.0) continue;
        const double ratio = measured / baseline;
        if (goal.most <= 0.0) {
            std::printf("ratio\t%s\t%s\t%.2f\t-\n", goal.measure, goal.against, ratio);
            continue;
        }
        met = met && ratio <= goal.most;
        std::printf("ratio\t%s\t%s\t%.2f\t%.1f\n", goal.measure, goal.against, ratio, goal.most);
    }
    return met;
}

std::vector<char*> withRepetitions(int argc, char** argv) {
    static std::string repetitions = "--benchmark_repetitions=5";
    std::vector<char*> arguments(argv, argv + argc);
    for (int a = 1; a < argc; ++a)
        if (std::string(argv[a]).starts_with("--benchmark_repetitions")) return arguments;
    arguments.insert(arguments.begin() + 1, repetitions.data());
    return arguments;
}

}  // namespace fxbench
