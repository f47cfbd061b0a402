#pragma once
// The bundled sample: synthetic daily history and start-up real-time files for every
// symbol any variant uses, in the monitor's own file formats.

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace fx::market {

struct SampleOptions {
    std::uint64_t seed = 20250530;
    int days = 300;  // history rows, one per weekday
    std::chrono::year_month_day lastDay{std::chrono::year{2025}, std::chrono::May,
                                        std::chrono::day{30}};
};

// The `days` weekdays ending with `lastDay` (or the Friday before it), oldest first.
std::vector<std::chrono::year_month_day> sampleDates(const SampleOptions& options);

// Writes SYMBOL.csv (one "MM-DD-YYYY,price" line per day, oldest first, CR LF) and
// SYMBOL_RT.csv (the price one trading day after the history ends) for every known
// symbol into `folder` (ending with a path separator, or empty for the current folder).
// False, with `error` set, when a file cannot be written or a price leaves (0, 500).
bool writeSample(const std::string& folder, const SampleOptions& options, std::string& error);

}  // namespace fx::market
