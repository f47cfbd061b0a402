#pragma once
// What the monitor benchmarks share: a temporary folder holding the fourteen history
// files of 499 lines and the fourteen real-time files of variant 17b, a headless monitor
// started on it, and the bare file reading that the baselines time.

#include <memory>
#include <string>
#include <string_view>

#include "bench_files.h"
#include "monitor/monitor.h"
#include "text/clock.h"
#include "window/headless/headless_layer.h"

namespace fxbench {

class BenchFolder {
public:
    BenchFolder();
    ~BenchFolder();
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    // Ends with a path separator.
    const std::string& path() const { return path_; }
    std::string historyPath(int pair) const;
    std::string realtimePath(int pair) const;

private:
    std::string path_;
};

// One folder for the whole run.
const BenchFolder& benchFolder();

// A headless monitor of variant 17b started on the folder, with its first reference
// day chosen and real-time mode on.
class BenchMonitor {
public:
    BenchMonitor();
    fx::HeadlessLayer layer;
    fx::SettableClock clock{fx::LocalTime{2009, 3, 9, 9, 0, 0}};
    fx::Monitor& monitor() { return *monitor_; }

private:
    std::unique_ptr<fx::Monitor> monitor_;
};

// Opens, reads to the end and closes the file with the bare system calls; the bytes read.
std::size_t readWholeFile(const std::string& path);

}  // namespace fxbench
