#pragma once
// The price tables: one history table per pair and each pair's latest price.

#include <array>
#include <string>

#include "monitor/variants.h"

namespace fx {

inline constexpr int historyRows = 500;      // row 499 always stays empty
inline constexpr int maxHistoryLines = 499;  // lines past this are ignored

struct HistoryRow {
    std::string date;  // the first 10 characters of the line, never parsed
    float price = 0.0f;
};

using HistoryTable = std::array<HistoryRow, historyRows>;

struct PriceData {
    std::array<HistoryTable, pairCount> priceHistory;
    // The leading rows in which all fourteen tables have a non-zero price.
    int historyRowCount = 0;
    std::array<float, pairCount> currentPrice{};
};

}  // namespace fx
