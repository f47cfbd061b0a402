#include "bench_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "app/startup.h"
#include "monitor/main_window.h"

namespace fxbench {

BenchFolder::BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "fxmonitor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    path_ = pattern + "/";
    writeMonitorFiles(path_);
}

BenchFolder::~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string BenchFolder::historyPath(int pair) const {
    return path_ + std::string(benchVariant().pairTable[pair]) + ".csv";
}

std::string BenchFolder::realtimePath(int pair) const {
    return path_ + std::string(benchVariant().pairTable[pair]) + "_RT.csv";
}

const BenchFolder& benchFolder() {
    static const BenchFolder folder;
    return folder;
}

BenchMonitor::BenchMonitor() {
    const std::string& folder = benchFolder().path();
    monitor_ = std::make_unique<fx::Monitor>(benchVariant(), layer, clock,
                                             folder + "fxmonitor-17b.exe", folder);
    fx::startMonitor(*monitor_);
    layer.choose(monitor_->mainWindow, fx::mainwin::referenceDayCombo, 0);
    layer.click(monitor_->mainWindow, fx::mainwin::realTimeModeCheck);
}

std::size_t readWholeFile(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return 0;
    char buffer[4096];
    std::size_t total = 0;
    ssize_t got;
    while ((got = ::read(file, buffer, sizeof buffer)) > 0) total += static_cast<std::size_t>(got);
    ::close(file);
    return total;
}

}  // namespace fxbench
