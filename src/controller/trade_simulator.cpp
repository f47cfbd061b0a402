#include "controller/trade_simulator.h"

#include <string>

#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/pairs.h"
#include "text/numbers.h"
#include "text/rounding.h"

namespace fx {

namespace {

// Wipes out the longest basket label.
constexpr std::string_view blankBasketLabel = "                        ";

void setEnabled(Monitor& monitor, int controlId, bool enabled) {
    monitor.layer.setEnabled(monitor.mainWindow, controlId, enabled);
}

}  // namespace

void openBasket(Monitor& monitor, TradeDirection direction) {
    const bool buy = direction == TradeDirection::Buy;
    monitor.trade.tradeState = buy ? buyTrade : sellTrade;
    monitor.trade.entryPrice = monitor.prices.currentPrice;

    setEnabled(monitor, mainwin::closeButton, true);
    setEnabled(monitor, mainwin::buyButton, false);
    setEnabled(monitor, mainwin::sellButton, false);
    setEnabled(monitor, mainwin::realTimeModeCheck, false);

    // The trailing blanks wipe out the end of the longer label drawn there before.
    monitor.layer.drawText(monitor.mainWindow, mainwin::basketLabelPoint,
                           buy ? "BUY Basket   " : "SELL Basket    ");

    const RankingState& ranking = monitor.ranking;
    logEvent(monitor, std::string(buy ? "BUY - Basket Bias: " : "SELL - Basket Bias: ") +
                          formatNumber(ranking.basketBias) +
                          "  Anchor Bias: " + formatNumber(ranking.anchorBias));
    logEvent(monitor, "Ref. Bias = " + formatNumber(ranking.referenceBias));
}

void updateBasketPips(Monitor& monitor) {
    const bool buy = monitor.trade.tradeState == buyTrade;
    const auto& current = monitor.prices.currentPrice;
    const auto& entry = monitor.trade.entryPrice;
    int total = 0;
    for (int k = 0; k < pairCount; ++k) {
        const float move = buy ? current[k] - entry[k] : entry[k] - current[k];
        const float term = move * pipFactor(monitor.state.PairTable[k]);
        // The total is rounded after every pair, so half-pip moves of several pairs
        // do not add up to whole pips.
        if (k == 0) {
            total = roundToInt(term);
        } else {
            total = roundToInt(static_cast<float>(static_cast<double>(total) + term));
        }
    }
    monitor.layer.setControlText(monitor.mainWindow, mainwin::pipsBox, formatNumber(total));
}

void closeBasket(Monitor& monitor) {
    monitor.trade.tradeState = noTrade;
    setEnabled(monitor, mainwin::clearButton, true);
    setEnabled(monitor, mainwin::closeButton, false);
    // The box as it stands, including anything typed into it since the last tick.
    logEvent(monitor,
             "Basket Profit: " + monitor.layer.controlText(monitor.mainWindow, mainwin::pipsBox));
}

void clearBasket(Monitor& monitor) {
    monitor.layer.setControlText(monitor.mainWindow, mainwin::pipsBox, "");
    setEnabled(monitor, mainwin::buyButton, true);
    setEnabled(monitor, mainwin::sellButton, true);
    setEnabled(monitor, mainwin::closeButton, false);
    setEnabled(monitor, mainwin::clearButton, false);
    setEnabled(monitor, mainwin::realTimeModeCheck, true);
    monitor.layer.drawText(monitor.mainWindow, mainwin::basketLabelPoint, blankBasketLabel);
}

}  // namespace fx
