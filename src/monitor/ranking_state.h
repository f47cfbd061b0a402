#pragma once
// What the ranking keeps between its runs, and the five measures it leaves behind.

#include <array>
#include <string>

#include "monitor/variants.h"

namespace fx {

struct RankingState {
    std::array<int, pairCount> pipMove{};  // by PairTable index
    int buyPower = 0;
    int sellPower = 0;
    int referenceBias = 0;
    int basketBias = 0;
    int anchorBias = 0;
    // The slots as the latest run left them, slot 1 first: each one's pair (PairTable
    // index) and its move. Everything that asks what a slot holds reads these.
    std::array<int, pairCount> slotPair{};
    std::array<int, pairCount> slotMove{};
    std::array<int, pairCount> previousSlot{};  // slot index 0 to 13, by PairTable index
    std::string topAnchorPair;                  // "" while no anchor is known
    std::string bottomAnchorPair;
    int topAnchorPips = 0;
    int bottomAnchorPips = 0;
};

}  // namespace fx
