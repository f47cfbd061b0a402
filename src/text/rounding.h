#pragma once
// Conversions to 32-bit integers that are defined for every input: the nearest
// integer with halves to the even neighbour, NaN as 0, and values beyond the
// 32-bit range saturated to its ends.

#include <cstdint>

namespace fx {

int roundToInt(double value);
int saturateToInt(std::int64_t value);

}  // namespace fx
