#pragma once

#include <array>

#include "monitor/variants.h"

namespace fx {

inline constexpr int noTrade = 0;
inline constexpr int buyTrade = 1;
inline constexpr int sellTrade = -1;

// The simulated basket of all fourteen pairs.
struct TradeState {
    int tradeState = noTrade;                   // 1 buy basket open, -1 sell basket open
    std::array<float, pairCount> entryPrice{};  // currentPrice of each pair at opening
};

}  // namespace fx
