#include "text/rounding.h"

#include <cmath>
#include <limits>

namespace fx {

namespace {
constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();
}  // namespace

int saturateToInt(std::int64_t value) {
    if (value > intMax) return intMax;
    if (value < intMin) return intMin;
    return static_cast<int>(value);
}

}  // namespace fx
