// The replay against the plain reading of its ticks file. Both read the same generated
// file of 1,000,000 price lines: the baseline only splits each line and reads its
// fourteen numbers; the replay runs the whole monitor on every line (a reference day,
// three alert rules, a buy basket revalued on every tick) and writes the --slots file.
// Goal: the replay takes at most three times as long as the baseline. The same replay
// with --study as well takes at most 1.5 times as long as without, and so does the one
// with --report (which makes the study too), whose report stays under 5 MB. It also prints the peak resident size after a tenth of the ticks and after
// all of them.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>

#include "bench_files.h"
#include "ratio_reporter.h"
#include "replay/replay.h"
#include "replay/ticks_file.h"
#include "text/clock.h"
#include "text/numbers.h"

namespace {

constexpr int tickCount = 1'000'000;
constexpr int historyDays = 300;
const fx::Variant& benchVariant = fx::variant(fx::VariantId::V17b);

double startingPrice(std::string_view symbol) {
    static const std::map<std::string_view, double> levels = {
        {"GBPUSD", 1.45}, {"EURGBP", 0.89},  {"GBPJPY", 133.0}, {"NZDJPY", 52.0}, {"CADJPY", 75.0},
        {"AUDJPY", 61.0}, {"EURJPY", 118.0}, {"EURUSD", 1.29},  {"USDJPY", 91.5}, {"AUDUSD", 0.67},
        {"NZDUSD", 0.57}, {"GBPCHF", 1.66},  {"CHFJPY", 80.0},  {"EURCHF", 1.48}};
    return levels.at(symbol);
}

// A temporary folder with the history files, the start-up real-time files and the
// ticks file, made once and removed at exit.
class BenchData {
public:
    BenchData() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "fxreplay-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        folder_ = pattern + "/";
        std::mt19937 random(20090105);
        std::normal_distribution<double> step(0.0, 1.0);
        std::array<double, fx::pairCount> price{};
        for (int k = 0; k < fx::pairCount; ++k) price[k] = startingPrice(benchVariant.pairTable[k]);

        // Daily history: about 60 pips a day.
        std::array<std::string, fx::pairCount> history;
        fx::SettableClock day(fx::LocalTime{2008, 3, 10, 0, 0, 0});
        for (int row = 0; row < historyDays; ++row) {
            for (int k = 0; k < fx::pairCount; ++k) {
                price[k] *= 1.0 + 0.006 * step(random);
                history[k] += fx::dateText(day.now()) + "," +
                              fxbench::priceText(benchVariant.pairTable[k], price[k]) + "\r\n";
            }
            day.advanceSeconds(86400);
        }
        for (int k = 0; k < fx::pairCount; ++k) {
            const std::string symbol(benchVariant.pairTable[k]);
            write(symbol + ".csv", history[k]);
            write(symbol + "_RT.csv", fxbench::priceText(symbol, price[k]) + "\r\n");
        }

        // One tick a second, about half a pip a tick; the first tenth also on its own.
        std::ofstream ticks(ticksPath(), std::ios::binary);
        std::ofstream tenth(tenthTicksPath(), std::ios::binary);
        std::string line = "time";
        for (std::string_view symbol : benchVariant.pairTable) (line += ',') += symbol;
        line += "\n!reference " + std::to_string(historyDays / 2) + "\n";
        fx::SettableClock clock(fx::LocalTime{2009, 1, 5, 0, 0, 0});
        for (int t = 0; t < tickCount; ++t) {
            line += fx::dateText(clock.now()) + ' ' + fx::timeText(clock.now());
            for (int k = 0; k < fx::pairCount; ++k) {
                price[k] *= 1.0 + 0.00005 * step(random);
                (line += ',') += fxbench::priceText(benchVariant.pairTable[k], price[k]);
            }
            line += '\n';
            if (t == 0) line += "!buy\n";
            ticks << line;
            if (t < tickCount / 10) tenth << line;
            line.clear();
            clock.advanceSeconds(1);
        }
    }

    ~BenchData() { std::filesystem::remove_all(folder_); }

    const std::string& folder() const { return folder_; }
    std::string ticksPath() const { return folder_ + "ticks.csv"; }
    std::string tenthTicksPath() const { return folder_ + "ticks-tenth.csv"; }

private:
    void write(const std::string& name, const std::string& content) const {
        std::ofstream(folder_ + name, std::ios::binary) << content;
    }

    std::string folder_;
};

const BenchData& benchData() {
    static const BenchData data;
    return data;
}

void Baseline(benchmark::State& state) {
    const std::string path = benchData().ticksPath();
    for (auto _ : state) {
        fx::TicksReader reader(benchVariant);
        reader.open(path);
        double sum = 0.0;
        long long lines = 0;
        for (auto item = reader.next(); item != fx::TicksReader::Item::End; item = reader.next()) {
            if (item == fx::TicksReader::Item::Error) {
                state.SkipWithError(reader.error().c_str());
                break;
            }
            if (item != fx::TicksReader::Item::Price) continue;
            for (std::string_view field : reader.price().fields) sum += fx::parseNumber(field);
            ++lines;
        }
        benchmark::DoNotOptimize(sum);
        if (lines != tickCount) state.SkipWithError("the ticks file is not whole");
    }
    state.SetItemsProcessed(state.iterations() * tickCount);
}

fx::ReplayOptions replayOptions(const BenchData& data) {
    fx::ReplayOptions options;
    options.variant = &benchVariant;
    options.dataFolder = data.folder();
    options.ticksFile = data.ticksPath();
    options.slotsFile = data.folder() + "slots.csv";
    for (fx::AlertKind rule : {fx::anchorDisplaced, fx::referenceBiasFlip, fx::pairsGrouped})
        options.alerts.push_back({rule, true, -1, 0});
    return options;
}

long peakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void replayEachIteration(benchmark::State& state, const fx::ReplayOptions& options) {
    const BenchData& data = benchData();
    for (auto _ : state) {
        std::ofstream log(data.folder() + "log.txt", std::ios::binary);
        std::ofstream messages(data.folder() + "messages.txt", std::ios::binary);
        if (fx::runReplay(options, log, messages) != fx::replayDone)
            state.SkipWithError("the replay failed");
    }
    state.SetItemsProcessed(state.iterations() * tickCount);
}

void Replay(benchmark::State& state) { replayEachIteration(state, replayOptions(benchData())); }

std::string reportPath() { return benchData().folder() + "report.html"; }

void ReplayWithStudy(benchmark::State& state) {
    fx::ReplayOptions options = replayOptions(benchData());
    options.studyFile = benchData().folder() + "study.csv";
    replayEachIteration(state, options);
}

void ReplayWithReport(benchmark::State& state) {
    fx::ReplayOptions options = replayOptions(benchData());
    options.reportFile = reportPath();
    replayEachIteration(state, options);
}

// Each run is one pass over the million ticks; five runs each, the fastest counts.
BENCHMARK(Baseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(Replay)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(ReplayWithReport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(ReplayWithStudy)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

constexpr fxbench::Goal goals[] = {
    {"Replay", "Baseline", 3.0, "fxmonitor-replay --slots over 1,000,000 ticks",
     "reading the file and parsing 14 numbers a line"},
    {"ReplayWithReport", "Replay", 1.5, "the same replay with --report as well",
     "the replay without it"},
    {"ReplayWithStudy", "Replay", 1.5, "the same replay with --study as well",
     "the replay without it"},
};

// The replay over the first tenth of the ticks, then over all of them: the peak
// resident size must not grow with the ticks (beyond the log rows, which the replay
// prints and drops as it goes).
void printPeakResidentSizes() {
    const BenchData& data = benchData();
    fx::ReplayOptions options = replayOptions(data);
    options.ticksFile = data.tenthTicksPath();
    std::ofstream log(data.folder() + "log.txt", std::ios::binary);
    std::ofstream messages(data.folder() + "messages.txt", std::ios::binary);
    fx::runReplay(options, log, messages);
    const long afterTenth = peakResidentKb();
    options.ticksFile = data.ticksPath();
    fx::runReplay(options, log, messages);
    std::printf("peak resident size: %.1f MB after %d ticks, %.1f MB after %d ticks\n",
                afterTenth / 1024.0, tickCount / 10, peakResidentKb() / 1024.0, tickCount);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> arguments = fxbench::withRepetitions(argc, argv);
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
    std::cout << "Making " << tickCount << " ticks..." << std::endl;
    benchData();
    printPeakResidentSizes();
    fxbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double baselineNs = reporter.fastestNs("Baseline");
    const double replayNs = reporter.fastestNs("Replay");
    if (baselineNs > 0.0 && replayNs > 0.0)
        std::printf("\nbaseline %.0f ms (%.2f us a line), replay %.0f ms (%.2f us a tick)\n",
                    baselineNs / 1e6, baselineNs / 1e3 / tickCount, replayNs / 1e6,
                    replayNs / 1e3 / tickCount);
    std::error_code error;
    const auto bytes = std::filesystem::file_size(reportPath(), error);
    if (!error)
        std::printf("report of %d ticks: %.2f MB (goal: under 5 MB)\n", tickCount,
                    static_cast<double>(bytes) / 1e6);
    const bool met = reporter.summarise(goals);
    benchmark::Shutdown();
    return met ? 0 : 1;
}
