#include "ranking/alerts.h"

#include <optional>
#include <string>

#include "monitor/event_log.h"
#include "monitor/monitor.h"
#include "monitor/options_window.h"
#include "monitor/pairs.h"
#include "text/numbers.h"

namespace fx {

namespace {

// The texts each rule logs, or the start of them: the rule's rows are known by them.
constexpr std::string_view opposingTopText = "New opposing top anchor: ";
constexpr std::string_view opposingBottomText = "New opposing bottom anchor: ";
constexpr std::string_view flippedNegativeText = "Reference Bias Flipped Negative!";
constexpr std::string_view flippedPositiveText = "Reference Bias Flipped Positive!";
constexpr std::string_view groupedText = "Pairs are perfectly grouped.";
constexpr std::string_view pairInSlotText = "Pair: ";

bool switchedOn(Monitor& monitor, int checkBoxId) {
    return monitor.layer.isChecked(monitor.optionsWindow, checkBoxId);
}

// The symbol its pair box shows.
std::string_view slotSymbol(const Monitor& monitor, int slotIndex) {
    return monitor.state.PairTable[monitor.ranking.slotPair[slotIndex]];
}

// Both ends are tested on every call, whichever anchor caused it.
void checkAnchorDisplaced(Monitor& monitor) {
    if (!switchedOn(monitor, optwin::anchorAlertCheck)) return;
    const RankingState& ranking = monitor.ranking;
    const std::string_view newTop = slotSymbol(monitor, 0);
    const std::string_view newBottom = slotSymbol(monitor, pairCount - 1);
    if (newTop != ranking.topAnchorPair &&
        isBuyGroupPair(monitor, newTop) != isBuyGroupPair(monitor, ranking.topAnchorPair)) {
        logEvent(monitor, std::string(opposingTopText) + std::string(newTop));
        playAlertSound(monitor, optwin::anchorSoundBox);
    }
    if (newBottom != ranking.bottomAnchorPair &&
        isBuyGroupPair(monitor, newBottom) != isBuyGroupPair(monitor, ranking.bottomAnchorPair)) {
        logEvent(monitor, std::string(opposingBottomText) + std::string(newBottom));
        playAlertSound(monitor, optwin::anchorSoundBox);
    }
}

// Zero on either side is no flip.
void checkReferenceBiasFlip(Monitor& monitor) {
    if (!switchedOn(monitor, optwin::biasAlertCheck)) return;
    const int previous = monitor.state.previousReferenceBias;
    const int current = monitor.ranking.referenceBias;
    if (previous > 0 && current < 0) {
        logEvent(monitor, flippedNegativeText);
        playAlertSound(monitor, optwin::biasSoundBox);
    }
    if (previous < 0 && current > 0) {
        logEvent(monitor, flippedPositiveText);
        playAlertSound(monitor, optwin::biasSoundBox);
    }
}

// How many of slots 1 to 7 show a buy-group pair: 7 or 0 means perfectly grouped.
int buyGroupPairsOnTop(const Monitor& monitor) {
    int count = 0;
    for (int s = 0; s < buyGroupSize; ++s) count += inBuyGroup[monitor.ranking.slotPair[s]];
    return count;
}

// With the latch (v17b, v17c) the alert fires once per grouping; without it (v17)
// at every ranking while the grouping lasts.
void checkPairsGrouped(Monitor& monitor) {
    if (!switchedOn(monitor, optwin::groupAlertCheck)) return;
    const int count = buyGroupPairsOnTop(monitor);
    const bool grouped = count == buyGroupSize || count == 0;
    std::optional<int>& latch = monitor.state.groupedAlertLatch;
    if (!latch) {
        if (grouped) {
            logEvent(monitor, groupedText);
            playAlertSound(monitor, optwin::groupSoundBox);
        }
        return;
    }
    if (*latch == 0 && grouped) {
        logEvent(monitor, groupedText);
        *latch = 1;
        playAlertSound(monitor, optwin::groupSoundBox);
    } else if (*latch == 1 && !grouped) {
        *latch = 0;
    }
}

// Fires once, then switches itself off until the user checks the box again.
void checkPairInSlot(Monitor& monitor) {
    if (!switchedOn(monitor, optwin::slotAlertCheck)) return;
    WindowLayer& layer = monitor.layer;
    const int pair = layer.selectedPosition(monitor.optionsWindow, optwin::slotAlertPairCombo);
    const int slotIndex = layer.selectedPosition(monitor.optionsWindow, optwin::slotAlertSlotCombo);
    if (pair < 0 || pair >= pairCount || slotIndex < 0 || slotIndex >= pairCount) return;
    if (monitor.ranking.slotPair[slotIndex] != pair) return;
    const std::string& symbol = monitor.state.PairTable[pair];
    logEvent(monitor,
             std::string(pairInSlotText) + symbol + " is in slot: " + formatNumber(slotIndex + 1));
    playAlertSound(monitor, optwin::slotSoundBox);
    layer.setChecked(monitor.optionsWindow, optwin::slotAlertCheck, false);
}

}  // namespace

void checkAlerts(Monitor& monitor, int alertKind) {
    switch (alertKind) {
        case anchorDisplaced:
            checkAnchorDisplaced(monitor);
            break;
        case referenceBiasFlip:
            checkReferenceBiasFlip(monitor);
            break;
        case pairsGrouped:
            checkPairsGrouped(monitor);
            break;
        case pairInSlot:
            checkPairInSlot(monitor);
            break;
        default:
            break;
    }
}

void playAlertSound(Monitor& monitor, int soundBoxId) {
    const std::string fileName = monitor.layer.controlText(monitor.optionsWindow, soundBoxId);
    if (!fileName.empty()) monitor.layer.playSound(fileName);
}

std::optional<AlertKind> alertRuleOfLogText(std::string_view description) {
    if (description.starts_with(opposingTopText) || description.starts_with(opposingBottomText))
        return anchorDisplaced;
    if (description == flippedNegativeText || description == flippedPositiveText)
        return referenceBiasFlip;
    if (description == groupedText) return pairsGrouped;
    if (description.starts_with(pairInSlotText)) return pairInSlot;
    return std::nullopt;
}

bool isBuyGroupPair(const Monitor& monitor, std::string_view symbol) {
    const int pair = pairIndexOf(monitor.variant, symbol);
    return pair >= 0 && inBuyGroup[pair];
}

}  // namespace fx
