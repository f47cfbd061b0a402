#include "ranking/slot_ranking.h"

#include <array>
#include <cstdint>
#include <utility>

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
    for (int i = 0; i < pairCount; ++i)
        for (int j = i + 1; j < pairCount; ++j)
            if (moves[j] > moves[i]) {
                std::swap(moves[i], moves[j]);
                std::swap(from[i], from[j]);
            }
    const WorkingList unsorted = entries;
    for (int i = 0; i < pairCount; ++i) entries[i] = unsorted[from[i]];
}

}  // namespace fx
