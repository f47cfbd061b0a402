#pragma once
// What every part knows about a pair from its symbol or its place in PairTable.

#include <string_view>

#include "monitor/variants.h"

namespace fx {

// The "Reference Day:" list shows the dates of this pair (EURUSD in every PairTable);
// list position p is history row p of every pair.
inline constexpr int referenceDatePair = 7;

// Pips per unit of price: 100 for symbols ending in "JPY", 10000 for all others.
constexpr float pipFactor(std::string_view symbol) {
    return symbol.ends_with("JPY") ? 100.0f : 10000.0f;
}

// The pair index of an exact, case-sensitive symbol in the variant's PairTable, or -1.
int pairIndexOf(const Variant& variant, std::string_view symbol);

}  // namespace fx
