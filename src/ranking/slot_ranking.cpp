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
    // user sees the order this exact procedure gives. It runs on one number per entry,
    // the move times 16 plus the entry's position, then puts the entries in place once.
    constexpr int positionBits = 4;
    constexpr std::int64_t positionMask = (1 << positionBits) - 1;
    static_assert(pairCount <= positionMask + 1);
    std::array<std::int64_t, pairCount> keys;
    for (int i = 0; i < pairCount; ++i)
        keys[i] = static_cast<std::int64_t>(entries[i].move) * (positionMask + 1) + i;
    // Entry i is held aside while the entries after it are compared with it. A larger
    // move is a key above every key of the held move; the exchange is made by selection,
    // with a mask, not a branch: whether two moves are exchanged is as good as random, and a
    // mispredicted branch costs more than the exchange.
    for (int i = 0; i < pairCount; ++i) {
        std::int64_t held = keys[i];
        for (int j = i + 1; j < pairCount; ++j) {
            const std::int64_t other = keys[j];
            const std::int64_t exchange = -static_cast<std::int64_t>(other > (held | positionMask));
            const std::int64_t difference = (other ^ held) & exchange;  // all ones or none
            keys[j] = other ^ difference;
            held ^= difference;
        }
        keys[i] = held;
    }
    const WorkingList unsorted = entries;
    for (int i = 0; i < pairCount; ++i) entries[i] = unsorted[keys[i] & positionMask];
}

}  // namespace fx
