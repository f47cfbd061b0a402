// "Save Log" of a log of 100,000 rows against one write of the same bytes to a file of
// the same name.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "bench_folder.h"
#include "monitor/event_log.h"
#include "monitor/main_window.h"

namespace {

constexpr int logRows = 100'000;

// A monitor whose log holds 100,000 rows of the lengths the monitor writes.
struct FullLog {
    FullLog() {
        fx::Monitor& monitor = bench.monitor();
        for (int row = 0; rows() < logRows; ++row) {
            bench.clock.advanceSeconds(1);
            fx::logEvent(monitor, row % 3 == 0   ? "RB =  12  BB =  -3  AB =  7"
                                  : row % 3 == 1 ? "New +anchor: GBPJPY"
                                                 : "Pair: EURUSD is in slot:  1");
        }
    }
    int rows() {
        return bench.layer.rowCount(bench.monitor().mainWindow, fx::mainwin::eventLogList);
    }
    fxbench::BenchMonitor bench;
};

FullLog& fullLog() {
    static FullLog log;
    return log;
}

void SaveLogBytesBaseline(benchmark::State& state) {
    FullLog& log = fullLog();
    const std::string& folder = fxbench::benchFolder().path();
    // The bytes of a save, made by one save before the timing.
    fx::saveLog(log.bench.monitor());
    std::ifstream saved(folder + fx::saveFileName(log.bench.clock.now()), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(saved),
                            std::istreambuf_iterator<char>()};
    if (bytes.empty()) state.SkipWithError("the save wrote nothing");
    const std::string path = folder + "baseline-log.txt";
    for (auto _ : state) {
        const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        ::close(file);
        if (written != static_cast<ssize_t>(bytes.size())) state.SkipWithError("short write");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}

void SaveLog(benchmark::State& state) {
    FullLog& log = fullLog();
    fx::Monitor& monitor = log.bench.monitor();
    for (auto _ : state) {
        fx::saveLog(monitor);
        log.bench.layer.forgetRecords();
    }
    if (log.rows() != logRows) state.SkipWithError("the log does not hold its rows");
}

BENCHMARK(SaveLogBytesBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveLog)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
