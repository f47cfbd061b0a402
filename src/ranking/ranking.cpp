#include "ranking/ranking.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "controller/event_log.h"
#include "controller/trade_simulator.h"
#include "ranking/alerts.h"
#include "shell/main_window.h"
#include "shell/monitor.h"
#include "text/numbers.h"
#include "text/rounding.h"

namespace fx {

namespace {

struct SlotEntry {
    std::string symbol;
    int move = 0;
    Colour colour = black;
};

using WorkingList = std::array<SlotEntry, pairCount>;

float referencePrice(const Monitor& monitor, int pair) {
    const int row = monitor.controller.referenceDayIndex;
    // The list only offers rows inside the table; any other index reads as no price.
    if (row < 0 || row >= historyRows) return 0.0f;
    return monitor.prices.priceHistory[pair][row].price;
}

// The difference and the product are each rounded to single precision on purpose:
// near a half pip, the same prices kept wider can give the neighbouring whole pip.
int pipMoveOf(float reference, float current, bool buyGroup, float factor) {
    const float difference = buyGroup ? current - reference : reference - current;
    const float pips = difference * factor;
    return roundToInt(pips);
}

// The working list in group order, with each pair's move oriented by its group.
WorkingList computeMoves(Monitor& monitor) {
    WorkingList entries;
    for (int g = 0; g < pairCount; ++g) {
        const int pair = pairGroupOrder[g];
        const bool buyGroup = g < buyGroupSize;
        const std::string& symbol = monitor.state.PairTable[pair];
        const int move = pipMoveOf(referencePrice(monitor, pair), monitor.prices.currentPrice[pair],
                                   buyGroup, pipFactor(symbol));
        monitor.ranking.pipMove[pair] = move;
        entries[g] = {symbol, move,
                      buyGroup ? monitor.state.buyGroupColour : monitor.state.sellGroupColour};
    }
    return entries;
}

// The sums are taken wide so that extreme prices saturate instead of wrapping.
void computeMeasures(Monitor& monitor, const WorkingList& entries) {
    std::int64_t buySum = 0;
    std::int64_t sellSum = 0;
    for (int g = 0; g < pairCount; ++g) (g < buyGroupSize ? buySum : sellSum) += entries[g].move;
    RankingState& ranking = monitor.ranking;
    ranking.basketBias = saturateToInt(buySum + sellSum);
    ranking.referenceBias = saturateToInt(buySum - sellSum);
    ranking.sellPower = saturateToInt(sellSum);
    ranking.buyPower = saturateToInt(buySum);
}

// Largest move first. This exact exchange sort decides the order of equal moves,
// which the user sees; a stable sort would give a different ranking.
void sortByMove(WorkingList& entries) {
    for (int i = 0; i < pairCount; ++i)
        for (int j = i + 1; j < pairCount; ++j)
            if (entries[j].move > entries[i].move) std::swap(entries[i], entries[j]);
}

void showSlots(Monitor& monitor, const WorkingList& entries) {
    for (int s = 0; s < pairCount; ++s) {
        const int pairBox = mainwin::slotPairBox(s);
        monitor.layer.setControlText(monitor.mainWindow, pairBox, entries[s].symbol);
        monitor.layer.setControlColours(monitor.mainWindow, pairBox, black, entries[s].colour);
        monitor.layer.setControlText(monitor.mainWindow, mainwin::slotPriceBox(s),
                                     formatNumber(entries[s].move));
    }
}

int pairIndexOf(const Monitor& monitor, const std::string& symbol) {
    for (int k = 0; k < pairCount; ++k)
        if (monitor.state.PairTable[k] == symbol) return k;
    return -1;
}

void drawMovementArrows(Monitor& monitor, const WorkingList& entries) {
    for (int s = 0; s < pairCount; ++s) {
        const int pair = pairIndexOf(monitor, entries[s].symbol);
        if (pair < 0) continue;
        int& previous = monitor.ranking.previousSlot[pair];
        if (previous > s)
            drawUpArrow(monitor, s);
        else if (previous < s)
            drawDownArrow(monitor, s);
        previous = s;
    }
}

// The anchor of slot 1 or slot 14. The move is read back from the slot's value box, as
// the user sees it.
void updateAnchor(Monitor& monitor, int slotIndex, const std::string& symbol,
                  std::string& anchorPair, int& anchorPips, const char* logText) {
    const int move = roundToInt(parseNumber(
        monitor.layer.controlText(monitor.mainWindow, mainwin::slotPriceBox(slotIndex))));
    if (anchorPair.empty()) {
        anchorPair = symbol;
        anchorPips = move;
        return;
    }
    const std::int64_t distance = static_cast<std::int64_t>(move) - anchorPips;
    if (symbol == anchorPair || std::llabs(distance) <= 5) return;
    logEvent(monitor, logText + symbol);
    // The alert compares the newcomer with the anchor it displaces, so it runs first.
    checkAlerts(monitor, anchorDisplaced);
    anchorPair = symbol;
    anchorPips = move;
}

struct ArrowLine {
    Point from;
    Point to;
};

// The six lines of an arrow in a cell whose boxes start at y; the head points to tipY.
std::array<ArrowLine, 6> arrowLines(int y, int tipY) {
    return {{
        {{10, y}, {10, y + 20}},
        {{11, y}, {11, y + 20}},
        {{10, tipY}, {5, y + 12}},
        {{11, tipY}, {5, y + 13}},
        {{10, tipY}, {15, y + 12}},
        {{10, tipY}, {15, y + 13}},
    }};
}

void drawArrow(Monitor& monitor, int slotIndex, bool up) {
    const ProgramState& state = monitor.state;
    if (state.arrowSuppression == arrowsSuppressed) return;
    const int y = state.slotTop + state.slotStep * slotIndex;
    monitor.layer.fillRectangle(monitor.mainWindow, {3, y - 1, 15, 22}, state.windowColour);
    const Colour colour = up ? state.upArrowColour : state.downArrowColour;
    for (const ArrowLine& line : arrowLines(y, up ? y : y + 20))
        monitor.layer.drawLine(monitor.mainWindow, line.from, line.to, colour);
}

}  // namespace

void drawUpArrow(Monitor& monitor, int slotIndex) { drawArrow(monitor, slotIndex, true); }

void drawDownArrow(Monitor& monitor, int slotIndex) { drawArrow(monitor, slotIndex, false); }

void rankPairs(Monitor& monitor) {
    WorkingList entries = computeMoves(monitor);
    computeMeasures(monitor, entries);

    ProgramState& state = monitor.state;
    if (state.previousReferenceBias != noReferenceBias) checkAlerts(monitor, referenceBiasFlip);
    state.previousReferenceBias = monitor.ranking.referenceBias;

    sortByMove(entries);
    showSlots(monitor, entries);
    drawMovementArrows(monitor, entries);
    state.arrowSuppression = 0;

    RankingState& ranking = monitor.ranking;
    ranking.anchorBias =
        saturateToInt(static_cast<std::int64_t>(entries[0].move) + entries[pairCount - 1].move);
    updateAnchor(monitor, 0, entries[0].symbol, ranking.topAnchorPair, ranking.topAnchorPips,
                 "New +anchor: ");
    updateAnchor(monitor, pairCount - 1, entries[pairCount - 1].symbol, ranking.bottomAnchorPair,
                 ranking.bottomAnchorPips, "New -anchor: ");

    checkAlerts(monitor, pairsGrouped);
    checkAlerts(monitor, pairInSlot);
}

}  // namespace fx
