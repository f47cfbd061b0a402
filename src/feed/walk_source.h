#pragma once
// The feed's random walk: it starts at the latest prices of the folder's history files
// and walks the currencies, so every cross stays consistent with its legs.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "datatools/market.h"
#include "datatools/market_walk.h"
#include "feed/price_source.h"

namespace fx::feed {

// One update moves the prices as much as a minute of trading does.
inline constexpr double minutesPerTradingDay = 1440.0;

// The currencies' values implied by the last non-zero price of every history file in
// the folder. A currency that `symbols` need but no history file reaches starts at its
// typical level, with a line in `warnings`.
market::CurrencyValues latestHistoryValues(const std::filesystem::path& folder,
                                           const std::vector<std::string>& symbols,
                                           std::vector<std::string>& warnings);

class WalkSource final : public PriceSource {
public:
    // The first round writes the starting prices; each later round is one step on.
    WalkSource(std::vector<std::string> symbols, const market::CurrencyValues& start,
               std::uint64_t seed);

    std::optional<std::vector<PriceUpdate>> next() override;
    const std::vector<std::string>& symbols() const override { return symbols_; }

private:
    std::vector<std::string> symbols_;
    market::MarketWalk walk_;
    bool started_ = false;
};

}  // namespace fx::feed
