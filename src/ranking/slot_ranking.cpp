#include "ranking/slot_ranking.h"

#include <array>
#include <cstdint>

#include "text/rounding.h"

namespace fx {

int pipMoveOf(float reference, float current, bool buyGroup, float factor) {
    // Near a half pip, the same prices kept wider can give the neighbouring whole pip.
    const float difference = buyGroup ? current - reference : reference - current;
    const float pips = difference * factor;
    return roundToInt(pips);
}

Measures measuresOf(const WorkingList& groupOrder) {
    // Taken wide, so that extreme prices saturate instead of wrapping.
    std::int64_t buySum = 0;
    std::int64_t sellSum = 0;
    for (int g = 0; g < pairCount; ++g) (g < buyGroupSize ? buySum : sellSum) += groupOrder[g].move;
    Measures measures;
    measures.basketBias = saturateToInt(buySum + sellSum);
    measures.referenceBias = saturateToInt(buySum - sellSum);
    measures.sellPower = saturateToInt(sellSum);
    measures.buyPower = saturateToInt(buySum);
    return measures;
}

void sortByMove(WorkingList& entries) {
    // Not a stable sort: a swap with a third entry can reverse two equal moves, and the
    // user sees the order this exact procedure gives. It runs on the moves and the
    // entries' positions, then puts the entries in place once.
    std::array<int, pairCount> moves;
    std::array<int, pairCount> from;
    for (int i = 0; i < pairCount; ++i) {
        moves[i] = entries[i].move;
        from[i] = i;
    }
    // Entry i is held aside while the entries after it are compared with it, and the
    // exchanges are made with masks, not branches: whether two moves are exchanged is as
    // good as random, and a mispredicted branch costs more than the exchange.
    for (int i = 0; i < pairCount; ++i) {
        int move = moves[i];
        int at = from[i];
        for (int j = i + 1; j < pairCount; ++j) {
            const int exchange = -static_cast<int>(moves[j] > move);  // all ones or zero
            const int moveDifference = (moves[j] ^ move) & exchange;
            const int atDifference = (from[j] ^ at) & exchange;
            moves[j] ^= moveDifference;
            move ^= moveDifference;
            from[j] ^= atDifference;
            at ^= atDifference;
        }
        moves[i] = move;
        from[i] = at;
    }
    const WorkingList unsorted = entries;
    for (int i = 0; i < pairCount; ++i) entries[i] = unsorted[from[i]];
}

}  // namespace fx
