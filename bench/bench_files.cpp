#include "bench_files.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

#include "text/clock.h"

namespace fxbench {

namespace {

void write(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

std::string priceText(std::string_view symbol, double price) {
    char text[32];
    std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f", price);
    return text;
}

void writeMonitorFiles(const std::string& folder) {
    std::mt19937 random(20090309);
    std::normal_distribution<double> step(0.0, 0.006);
    for (int k = 0; k < fx::pairCount; ++k) {
        const std::string symbol(benchVariant().pairTable[k]);
        double price = symbol.ends_with("JPY") ? 95.0 : 1.35;
        std::string history;
        fx::SettableClock day(fx::LocalTime{2007, 6, 1, 0, 0, 0});
        for (int row = 0; row < historyLines; ++row) {
            history += fx::dateText(day.now()) + "," + priceText(symbol, price) + "\r\n";
            price *= std::exp(step(random));
            day.advanceSeconds(86400);
        }
        write(folder + symbol + ".csv", history);
        write(folder + symbol + "_RT.csv", priceText(symbol, price) + ",1.99,2009-03-09\r\n");
    }
}

}  // namespace fxbench
