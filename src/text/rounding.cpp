#include "text/rounding.h"

#include <cmath>
#include <limits>

namespace fx {

namespace {
constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();
}  // namespace

int roundToInt(double value) {
    if (std::isnan(value)) return 0;
    // Checked before the conversion, which would be undefined out of range. Values
    // in [2147483647, 2147483647.5) round to the maximum anyway, and at .5 the even
    // neighbour lies outside; likewise at the negative end.
    if (value >= static_cast<double>(intMax)) return intMax;
    if (value <= static_cast<double>(intMin)) return intMin;

    // Ties to even, whatever the floating-point rounding mode: in the 32-bit range the
    // truncation is defined, and the floor and the fraction are exact.
    // Without branches: the fraction of a price move is as good as random, and a
    // mispredicted branch costs more than the whole sum.
    long long nearest = static_cast<long long>(value);
    nearest -= static_cast<long long>(static_cast<double>(nearest) > value);
    const double fraction = value - static_cast<double>(nearest);
    nearest += static_cast<long long>((fraction > 0.5) | ((fraction == 0.5) & ((nearest & 1) != 0)));
    return static_cast<int>(nearest);
}

int saturateToInt(std::int64_t value) {
    if (value > intMax) return intMax;
    if (value < intMin) return intMin;
    return static_cast<int>(value);
}

}  // namespace fx
