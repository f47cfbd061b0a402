#include "bench_folder.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "app/startup.h"
#include "monitor/main_window.h"
#include "monitor/variants.h"

namespace fxbench {

namespace {

const fx::Variant& benchVariant() { return fx::variant(fx::VariantId::V17b); }

std::string priceText(std::string_view symbol, double price) {
    char text[32];
    std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f", price);
    return text;
}

void write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

BenchFolder::BenchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "fxmonitor-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
    path_ = pattern + "/";
    std::mt19937 random(20090309);
    std::normal_distribution<double> step(0.0, 0.006);
    for (int k = 0; k < fx::pairCount; ++k) {
        const std::string_view symbol = benchVariant().pairTable[k];
        double price = symbol.ends_with("JPY") ? 95.0 : 1.35;
        std::string history;
        fx::SettableClock day(fx::LocalTime{2007, 6, 1, 0, 0, 0});
        for (int row = 0; row < historyLines; ++row) {
            history += fx::dateText(day.now()) + "," + priceText(symbol, price) + "\r\n";
            price *= std::exp(step(random));
            day.advanceSeconds(86400);
        }
        write(historyPath(k), history);
        write(realtimePath(k), priceText(symbol, price) + ",1.99,2009-03-09\r\n");
    }
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
