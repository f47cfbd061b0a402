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

    // Ties to even, whatever the floating-point rounding mode: floor and the
    // difference are exact for every double in the 32-bit range.
    const double below = std::floor(value);
    const double fraction = value - below;
    double nearest = below;
    if (fraction > 0.5) {
        nearest = below + 1.0;
    } else if (fraction == 0.5) {
        nearest = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    }
    return static_cast<int>(nearest);
}

int saturateToInt(std::int64_t value) {
    if (value > intMax) return intMax;
    if (value < intMin) return intMin;
    return static_cast<int>(value);
}

}  // namespace fx
