#pragma once
// The "RT Trade Simulator": a simulated basket of all fourteen pairs, valued in
// pips on every real-time tick.

#include <array>

#include "monitor/trade_state.h"

namespace fx {

struct Monitor;

enum class TradeDirection { Buy, Sell };

// A pair's term in pips: its move (current - entry in a buy basket, entry - current in a
// sell basket) rounded to single precision, times its pipFactor, rounded again.
float basketTerm(TradeDirection direction, float entry, float current, float factor);
// The basket's pips from the fourteen terms in pair-index order: the total is rounded
// to single precision and then to the nearest integer (halves to even) after every
// pair, so half-pip moves of several pairs do not add up to whole pips. A term that is
// not finite counts as 0.
int basketTotal(const std::array<float, pairCount>& terms);
// The pips of a basket opened at `entry` prices, at `current` prices: the pips box's
// number.
int basketPips(TradeDirection direction, const std::array<float, pairCount>& entry,
               const std::array<float, pairCount>& current,
               const std::array<float, pairCount>& pipFactors);

void openBasket(Monitor& monitor, TradeDirection direction);
void updateBasketPips(Monitor& monitor);
void closeBasket(Monitor& monitor);
void clearBasket(Monitor& monitor);

}  // namespace fx
