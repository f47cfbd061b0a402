#include "datatools/market_walk.h"

#include <cmath>

namespace fx::market {

namespace {

enum Factor { dollarFactor, europeFactor, commodityFactor, factorCount };

// How a currency's daily variance splits between the dollar factor, its region's
// factor and its own noise (the three shares add up to 1).
struct Exposure {
    double volatility;
    double dollarShare;
    int region;  // a Factor, or -1 for none
    double regionShare;
};

Exposure exposureOf(Currency currency) {
    switch (currency) {
        case Currency::USD:
            return {0.0, 0.0, -1, 0.0};
        case Currency::EUR:
            return {0.0050, 0.60, europeFactor, 0.25};
        case Currency::GBP:
            return {0.0055, 0.45, europeFactor, 0.25};
        case Currency::CHF:
            return {0.0055, 0.50, europeFactor, 0.25};
        case Currency::AUD:
            return {0.0070, 0.40, commodityFactor, 0.45};
        case Currency::NZD:
            return {0.0070, 0.40, commodityFactor, 0.45};
        case Currency::CAD:
            return {0.0050, 0.35, commodityFactor, 0.20};
        case Currency::JPY:
            break;
    }
    return {0.0062, 0.35, -1, 0.0};
}

}  // namespace

MarketWalk::MarketWalk(std::uint64_t seed, const CurrencyValues& start, double stepScale)
    : random_(seed), values_(start), anchor_(start), stepScale_(stepScale) {}

double MarketWalk::normal() {
    double sum = 0.0;
    for (int i = 0; i < 12; ++i) sum += static_cast<double>(random_() >> 11) * 0x1.0p-53;
    return sum - 6.0;
}

void MarketWalk::step() {
    double factors[factorCount];
    for (double& factor : factors) factor = normal();
    // USD is the unit and never moves; the others are drawn in a fixed order.
    for (int c = 1; c < currencyCount; ++c) {
        const Exposure exposure = exposureOf(static_cast<Currency>(c));
        const double ownShare = 1.0 - exposure.dollarShare - exposure.regionShare;
        double shock = std::sqrt(exposure.dollarShare) * factors[dollarFactor] +
                       std::sqrt(ownShare) * normal();
        if (exposure.region >= 0)
            shock += std::sqrt(exposure.regionShare) * factors[exposure.region];
        const double pull =
            dailyReversion * stepScale_ * stepScale_ * (values_[c] / anchor_[c] - 1.0);
        values_[c] *= 1.0 + exposure.volatility * stepScale_ * shock - pull;
    }
}

}  // namespace fx::market
