#include "ranking/anchors.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "monitor/event_log.h"
#include "monitor/monitor.h"
#include "ranking/alerts.h"

namespace fx {

namespace {

// The slot's pair and the move its value box shows.
void updateAnchor(Monitor& monitor, int slotIndex, std::string& anchorPair, int& anchorPips,
                  const char* logText) {
    const RankingState& ranking = monitor.ranking;
    const std::string_view symbol = monitor.state.PairTable[ranking.slotPair[slotIndex]];
    const int move = ranking.slotMove[slotIndex];
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

void updateAnchors(Monitor& monitor) {
    RankingState& ranking = monitor.ranking;
    updateAnchor(monitor, 0, ranking.topAnchorPair, ranking.topAnchorPips, "New +anchor: ");
    updateAnchor(monitor, pairCount - 1, ranking.bottomAnchorPair, ranking.bottomAnchorPips,
                 "New -anchor: ");
}

}  // namespace fx
