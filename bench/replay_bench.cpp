// The replay against the plain reading of its ticks file. Both read the same generated
// file of 1,000,000 price lines: the baseline only splits each line and reads its
// fourteen numbers; the replay runs the whole monitor on every line (a reference day,
// three alert rules, a buy basket revalued on every tick) and writes the --slots file.
// Goal: the replay takes at most three times as long as the baseline. The same replay
// with --report as well takes at most 1.5 times as long as without, and its report
// stays under 5 MB.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <string>

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

std::string priceText(std::string_view symbol, double price) {
    char text[32];
    std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f", price);
    return text;
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
                              priceText(benchVariant.pairTable[k], price[k]) + "\r\n";
            }
            day.advanceSeconds(86400);
        }
        for (int k = 0; k < fx::pairCount; ++k) {
            const std::string symbol(benchVariant.pairTable[k]);
            write(symbol + ".csv", history[k]);
            write(symbol + "_RT.csv", priceText(symbol, price[k]) + "\r\n");
        }

        // One tick a second, about half a pip a tick.
        std::ofstream ticks(ticksPath(), std::ios::binary);
        ticks << "time";
        for (std::string_view symbol : benchVariant.pairTable) ticks << ',' << symbol;
        ticks << "\n!reference " << historyDays / 2 << "\n";
        fx::SettableClock clock(fx::LocalTime{2009, 1, 5, 0, 0, 0});
        for (int t = 0; t < tickCount; ++t) {
            ticks << fx::dateText(clock.now()) << ' ' << fx::timeText(clock.now());
            for (int k = 0; k < fx::pairCount; ++k) {
                price[k] *= 1.0 + 0.00005 * step(random);
                ticks << ',' << priceText(benchVariant.pairTable[k], price[k]);
            }
            ticks << '\n';
            if (t == 0) ticks << "!buy\n";
            clock.advanceSeconds(1);
        }
    }

    ~BenchData() { std::filesystem::remove_all(folder_); }

    const std::string& folder() const { return folder_; }
    std::string ticksPath() const { return folder_ + "ticks.csv"; }

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

fx::ReplayOptions benchOptions() {
    const BenchData& data = benchData();
    fx::ReplayOptions options;
    options.variant = &benchVariant;
    options.dataFolder = data.folder();
    options.ticksFile = data.ticksPath();
    options.slotsFile = data.folder() + "slots.csv";
    for (fx::AlertKind rule : {fx::anchorDisplaced, fx::referenceBiasFlip, fx::pairsGrouped})
        options.alerts.push_back({rule, true, -1, 0});
    return options;
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

void Replay(benchmark::State& state) { replayEachIteration(state, benchOptions()); }

std::string reportPath() { return benchData().folder() + "report.html"; }

void ReplayWithReport(benchmark::State& state) {
    fx::ReplayOptions options = benchOptions();
    options.reportFile = reportPath();
    replayEachIteration(state, options);
}

BENCHMARK(Baseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(Replay)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(ReplayWithReport)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Prints the usual table, then the ratio of the two and the replay's ticks per second.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            if (run.error_occurred) continue;
            if (name.starts_with("Baseline")) {
                baselineMs_ = run.GetAdjustedRealTime();
                baselineCpuMs_ = run.GetAdjustedCPUTime();
            }
            if (name.starts_with("ReplayWithReport")) {
                reportMs_ = run.GetAdjustedRealTime();
                reportCpuMs_ = run.GetAdjustedCPUTime();
            } else if (name.starts_with("Replay")) {
                replayMs_ = run.GetAdjustedRealTime();
                replayCpuMs_ = run.GetAdjustedCPUTime();
            }
        }
    }

    void summarise() const {
        if (baselineMs_ <= 0.0 || replayMs_ <= 0.0) return;
        std::printf("\nticks: %d\nbaseline: %.0f ms (%.0f lines/s)\n", tickCount, baselineMs_,
                    tickCount / (baselineMs_ / 1000.0));
        std::printf("replay with --slots: %.0f ms (%.0f ticks/s)\n", replayMs_,
                    tickCount / (replayMs_ / 1000.0));
        std::printf("ratio replay / baseline: %.2f (goal: at most 3)\n", replayMs_ / baselineMs_);
        // On a busy machine the processor times compare more fairly than the wall times.
        if (baselineCpuMs_ > 0.0)
            std::printf("ratio of processor times: %.2f\n", replayCpuMs_ / baselineCpuMs_);
        if (reportMs_ <= 0.0) return;
        std::printf("replay with --slots and --report: %.0f ms\n", reportMs_);
        std::printf("ratio with --report / without: %.2f (goal: at most 1.5)\n",
                    reportMs_ / replayMs_);
        if (replayCpuMs_ > 0.0)
            std::printf("ratio of processor times: %.2f\n", reportCpuMs_ / replayCpuMs_);
        std::error_code error;
        const auto bytes = std::filesystem::file_size(reportPath(), error);
        if (!error)
            std::printf("report of %d ticks: %.2f MB (goal: under 5 MB)\n", tickCount,
                        static_cast<double>(bytes) / 1e6);
    }

private:
    double baselineMs_ = 0.0;
    double replayMs_ = 0.0;
    double baselineCpuMs_ = 0.0;
    double replayCpuMs_ = 0.0;
    double reportMs_ = 0.0;
    double reportCpuMs_ = 0.0;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    std::cout << "Making " << tickCount << " ticks..." << std::endl;
    benchData();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.summarise();
    benchmark::Shutdown();
    return 0;
}
