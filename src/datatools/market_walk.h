#pragma once
// A seeded random walk of the currencies' dollar values. Each step moves every
// currency by a normal return made of a dollar factor shared by all, a regional
// factor (Europe: EUR, GBP, CHF; commodity currencies: AUD, NZD, CAD) and its own
// noise, so the dollar pairs move together the way real ones do and the crosses,
// derived from them, come out quieter than their legs.

#include <cstdint>
#include <random>

#include "datatools/market.h"

namespace fx::market {

class MarketWalk {
public:
    // `stepScale` is the share of a trading day one step stands for, as a volatility
    // factor: 1 for a day, 1/sqrt(1440) for a minute.
    MarketWalk(std::uint64_t seed, const CurrencyValues& start, double stepScale = 1.0);

    // Each step also pulls every currency back towards its starting value by this share
    // a day of its distance, which keeps a long series within realistic ranges.
    static constexpr double dailyReversion = 0.006;

    void step();
    const CurrencyValues& values() const { return values_; }

private:
    // Standard normal from twelve uniforms: plain arithmetic only, so a seed gives the
    // same series with every compiler and C library.
    double normal();

    std::mt19937_64 random_;
    CurrencyValues values_;
    CurrencyValues anchor_;
    double stepScale_;
};

}  // namespace fx::market
