#include "ranking/ranking.h"

#include <cstdint>

#include "monitor/monitor.h"
#include "ranking/alerts.h"
#include "ranking/anchors.h"
#include "ranking/arrows.h"
#include "ranking/slot_display.h"
#include "ranking/slot_ranking.h"
#include "text/rounding.h"

namespace fx {

namespace {

float referencePrice(const Monitor& monitor, int pair) {
    const int row = monitor.controller.referenceDayIndex;
    // The list only offers rows inside the table; any other index reads as no price.
    if (row < 0 || row >= historyRows) return 0.0f;
    return monitor.prices.priceHistory[pair][row].price;
}

// The working list in group order, with each pair's move oriented by its group.
WorkingList computeMoves(Monitor& monitor) {
    WorkingList entries;
    for (int g = 0; g < pairCount; ++g) {
        const int pair = pairGroupOrder[g];
        const bool buyGroup = g < buyGroupSize;
        const std::string& symbol = monitor.state.PairTable[pair];
        const int move = pipMoveOf(referencePrice(monitor, pair), monitor.prices.currentPrice[pair],
                                   buyGroup, monitor.variant.pipFactors[pair]);
        monitor.ranking.pipMove[pair] = move;
        entries[g] = {symbol, move,
                      buyGroup ? monitor.state.buyGroupColour : monitor.state.sellGroupColour,
                      pair};
    }
    return entries;
}

}  // namespace

void rankPairs(Monitor& monitor) {
    WorkingList entries = computeMoves(monitor);
    RankingState& ranking = monitor.ranking;
    const Measures measures = measuresOf(entries);
    ranking.buyPower = measures.buyPower;
    ranking.sellPower = measures.sellPower;
    ranking.referenceBias = measures.referenceBias;
    ranking.basketBias = measures.basketBias;

    ProgramState& state = monitor.state;
    if (state.previousReferenceBias != noReferenceBias) checkAlerts(monitor, referenceBiasFlip);
    state.previousReferenceBias = ranking.referenceBias;

    sortByMove(entries);
    for (int s = 0; s < pairCount; ++s) {
        ranking.slotPair[s] = entries[s].pair;
        ranking.slotMove[s] = entries[s].move;
    }
    showSlots(monitor, entries);
    drawMovementArrows(monitor);
    state.arrowSuppression = 0;

    ranking.anchorBias =
        saturateToInt(static_cast<std::int64_t>(entries[0].move) + entries[pairCount - 1].move);
    updateAnchors(monitor);

    checkAlerts(monitor, pairsGrouped);
    checkAlerts(monitor, pairInSlot);
}

}  // namespace fx
