#include "datatools/sample_data.h"

#include <cstdio>

#include "datatools/market.h"
#include "datatools/market_walk.h"
#include "text/text_file.h"

namespace fx::market {

namespace {

using std::chrono::sys_days;
using std::chrono::weekday;

bool isWeekday(sys_days day) {
    const weekday w{day};
    return w != std::chrono::Saturday && w != std::chrono::Sunday;
}

std::string historyDateText(const std::chrono::year_month_day& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(day.month()),
                  static_cast<unsigned>(day.day()), static_cast<int>(day.year()));
    return text;
}

bool writeFile(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
    OutputTextFile file;
    if (!file.create(path)) {
        error = path + " could not be created.";
        return false;
    }
    for (const std::string& line : lines) writeLine(file, line);
    if (!file.close()) {
        error = path + " could not be written.";
        return false;
    }
    return true;
}

bool inMonitorRange(double price) { return price > 0.0 && price < 500.0; }

}  // namespace

std::vector<std::chrono::year_month_day> sampleDates(const SampleOptions& options) {
    std::vector<std::chrono::year_month_day> dates;
    if (options.days <= 0) return dates;
    dates.resize(static_cast<std::size_t>(options.days));
    sys_days day{options.lastDay};
    for (auto at = dates.rbegin(); at != dates.rend(); ++at) {
        while (!isWeekday(day)) day -= std::chrono::days{1};
        *at = std::chrono::year_month_day{day};
        day -= std::chrono::days{1};
    }
    return dates;
}

bool writeSample(const std::string& folder, const SampleOptions& options, std::string& error) {
    const auto dates = sampleDates(options);
    MarketWalk walk(options.seed, typicalValues());

    std::vector<std::vector<std::string>> history(knownSymbols.size());
    for (std::size_t row = 0; row < dates.size(); ++row) {
        if (row > 0) walk.step();
        for (std::size_t s = 0; s < knownSymbols.size(); ++s) {
            const double price = pairPrice(walk.values(), knownSymbols[s]);
            if (!inMonitorRange(price)) {
                error = std::string(knownSymbols[s]) + " left the range (0, 500) on " +
                        historyDateText(dates[row]) + "; try another seed.";
                return false;
            }
            history[s].push_back(historyDateText(dates[row]) + "," +
                                 priceText(knownSymbols[s], price));
        }
    }
    // The real-time price is "today", one trading day after the history's last row, so
    // choosing the last reference day still shows moves.
    walk.step();

    for (std::size_t s = 0; s < knownSymbols.size(); ++s) {
        const std::string symbol(knownSymbols[s]);
        const double latest = pairPrice(walk.values(), symbol);
        if (!inMonitorRange(latest)) {
            error = symbol + " left the range (0, 500) in its real-time price; try another seed.";
            return false;
        }
        if (!writeFile(folder + symbol + ".csv", history[s], error)) return false;
        if (!writeFile(folder + symbol + "_RT.csv", {priceText(symbol, latest)}, error))
            return false;
    }
    return true;
}

}  // namespace fx::market
