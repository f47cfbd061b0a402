#pragma once
// The ranking's arithmetic, on plain values: each pair's move in pips, the measures
// summed from the moves, and the exchange sort that puts the pairs into slots.

#include <array>
#include <string_view>

#include "monitor/variants.h"
#include "window/window_types.h"

namespace fx {

// One pair on its way into a slot. The symbol is PairTable's own text, which outlives
// the ranking; the sort then moves no texts.
struct SlotEntry {
    std::string_view symbol;
    int move = 0;  // pips
    Colour colour = black;
    int pair = -1;  // the PairTable index the symbol was taken from
};

// Built in group order (the buy group, then the sell group); after sortByMove, entry s
// is the pair shown in slot s + 1.
using WorkingList = std::array<SlotEntry, pairCount>;

struct Measures {
    int buyPower = 0;
    int sellPower = 0;
    int referenceBias = 0;
    int basketBias = 0;
};

// The move in whole pips: the difference (current - reference for the buy group,
// reference - current for the sell group) and its product with the factor are each
// rounded to single precision, then the product to the nearest integer, halves to even.
int pipMoveOf(float reference, float current, bool buyGroup, float factor);

// The sums of a working list still in group order, saturated at the 32-bit range.
Measures measuresOf(const WorkingList& groupOrder);

// Largest move first, by the exchange sort that also decides the order of equal moves.
void sortByMove(WorkingList& entries);

}  // namespace fx
