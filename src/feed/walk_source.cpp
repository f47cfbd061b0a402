#include "feed/walk_source.h"

#include <cmath>
#include <memory>
#include <utility>

#include "monitor/price_data.h"
#include "prices/price_files.h"

namespace fx::feed {

namespace {

// The last non-zero price of a history file, read by the monitor's own reader.
std::optional<double> latestHistoryPrice(const std::filesystem::path& file) {
    auto table = std::make_unique<HistoryTable>();
    const auto rows = readHistoryFile(file.string(), *table);
    if (!rows) return std::nullopt;
    for (int row = *rows - 1; row >= 0; --row)
        if ((*table)[row].price > 0.0f) return (*table)[row].price;
    return std::nullopt;
}

}  // namespace

market::CurrencyValues latestHistoryValues(const std::filesystem::path& folder,
                                           const std::vector<std::string>& symbols,
                                           std::vector<std::string>& warnings) {
    std::vector<std::pair<std::string, double>> prices;
    for (const std::string_view symbol : market::knownSymbols) {
        const auto price = latestHistoryPrice(folder / (std::string(symbol) + ".csv"));
        if (price) prices.emplace_back(symbol, *price);
    }
    const auto found = market::valuesFromPrices(prices);

    market::CurrencyValues values = market::typicalValues();
    std::array<bool, market::currencyCount> needed{};
    for (const std::string& symbol : symbols) {
        if (const auto pair = market::splitSymbol(symbol)) {
            needed[static_cast<int>(pair->base)] = true;
            needed[static_cast<int>(pair->quote)] = true;
        }
    }
    for (int c = 0; c < market::currencyCount; ++c) {
        if (found[c]) {
            values[c] = *found[c];
        } else if (needed[c]) {
            warnings.push_back("no history file gives a price for " +
                               std::string(market::currencyCode(static_cast<market::Currency>(c))) +
                               "; it starts at a typical level");
        }
    }
    return values;
}

WalkSource::WalkSource(std::vector<std::string> symbols, const market::CurrencyValues& start,
                       std::uint64_t seed)
    : symbols_(std::move(symbols)), walk_(seed, start, 1.0 / std::sqrt(minutesPerTradingDay)) {}

std::optional<std::vector<PriceUpdate>> WalkSource::next() {
    if (started_) walk_.step();
    started_ = true;
    std::vector<PriceUpdate> round;
    round.reserve(symbols_.size());
    for (const std::string& symbol : symbols_)
        round.push_back(
            {symbol, market::priceText(symbol, market::pairPrice(walk_.values(), symbol))});
    return round;
}

}  // namespace fx::feed
