#include "ranking/anchors.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "ranking/alerts.h"
#include "text/numbers.h"
#include "text/rounding.h"

namespace fx {

namespace {

// The move is read back from the slot's value box, as the user sees it.
void updateAnchor(Monitor& monitor, int slotIndex, std::string_view symbol, std::string& anchorPair,
                  int& anchorPips, const char* logText) {
    const int move = roundToInt(parseNumber(
        monitor.layer.controlText(monitor.mainWindow, mainwin::slotPriceBox(slotIndex))));
    if (anchorPair.empty()) {
        anchorPair.assign(symbol);
        anchorPips = move;
        return;
    }
    const std::int64_t distance = static_cast<std::int64_t>(move) - anchorPips;
    if (symbol == anchorPair || std::llabs(distance) <= 5) return;
    logEvent(monitor, logText + std::string(symbol));
    // The alert compares the newcomer with the anchor it displaces, so it runs first.
    checkAlerts(monitor, anchorDisplaced);
    anchorPair.assign(symbol);
    anchorPips = move;
}

}  // namespace

void updateAnchors(Monitor& monitor, const WorkingList& ranked) {
    RankingState& ranking = monitor.ranking;
    updateAnchor(monitor, 0, ranked[0].symbol, ranking.topAnchorPair, ranking.topAnchorPips,
                 "New +anchor: ");
    updateAnchor(monitor, pairCount - 1, ranked[pairCount - 1].symbol, ranking.bottomAnchorPair,
                 ranking.bottomAnchorPips, "New -anchor: ");
}

}  // namespace fx
