#pragma once
// The "RT Trade Simulator": a simulated basket of all fourteen pairs, valued in
// pips on every real-time tick.

#include "monitor/trade_state.h"

namespace fx {

struct Monitor;

enum class TradeDirection { Buy, Sell };

void openBasket(Monitor& monitor, TradeDirection direction);
void updateBasketPips(Monitor& monitor);
void closeBasket(Monitor& monitor);
void clearBasket(Monitor& monitor);

}  // namespace fx
