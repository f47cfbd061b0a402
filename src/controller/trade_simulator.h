#pragma once
// The "RT Trade Simulator": a simulated basket of all fourteen pairs, valued in
// pips on every real-time tick.

#include <string_view>

#include "controller/trade_state.h"

namespace fx {

struct Monitor;

enum class TradeDirection { Buy, Sell };

void openBasket(Monitor& monitor, TradeDirection direction);
void updateBasketPips(Monitor& monitor);
void closeBasket(Monitor& monitor);
void clearBasket(Monitor& monitor);

// 100 pips per unit for symbols ending in "JPY", 10000 for all others.
float pipFactor(std::string_view symbol);

}  // namespace fx
