#include "controller/trade_simulator.h"

#include <cmath>
#include <string>

#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
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

float basketTerm(TradeDirection direction, float entry, float current, float factor) {
    const float move = direction == TradeDirection::Buy ? current - entry : entry - current;
    return move * factor;
}

int basketTotal(const std::array<float, pairCount>& terms) {
    // A term that is no number or infinite (a price that was never a price) counts as no
    // move: it would otherwise wipe out what the other pairs made.
    const auto term = [&terms](int k) { return std::isfinite(terms[k]) ? terms[k] : 0.0f; };
    int total = roundToInt(term(0));
    for (int k = 1; k < pairCount; ++k)
        total = roundToInt(static_cast<float>(static_cast<double>(total) + term(k)));
    return total;
}

int basketPips(TradeDirection direction, const std::array<float, pairCount>& entry,
               const std::array<float, pairCount>& current,
               const std::array<float, pairCount>& pipFactors) {
    std::array<float, pairCount> terms{};
    for (int k = 0; k < pairCount; ++k)
        terms[k] = basketTerm(direction, entry[k], current[k], pipFactors[k]);
    return basketTotal(terms);
}

void updateBasketPips(Monitor& monitor) {
    const TradeDirection direction =
        monitor.trade.tradeState == buyTrade ? TradeDirection::Buy : TradeDirection::Sell;
    const int pips = basketPips(direction, monitor.trade.entryPrice, monitor.prices.currentPrice,
                                monitor.variant.pipFactors);
    monitor.layer.setControlText(monitor.mainWindow, mainwin::pipsBox, NumberText(pips).view());
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
