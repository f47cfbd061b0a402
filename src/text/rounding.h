#pragma once
// Conversions to 32-bit integers that are defined for every input: the nearest
// integer with halves to the even neighbour, NaN as 0, and values beyond the
// 32-bit range saturated to its ends.

#include <bit>
#include <cstdint>
#include <limits>

namespace fx {

// Inline: a real-time cycle rounds some thirty values.
inline int roundToInt(double value) {
    constexpr int intMax = std::numeric_limits<int>::max();
    constexpr int intMin = std::numeric_limits<int>::min();
    if (value != value) return 0;  // NaN
    // Checked before the conversion, which would be undefined out of range. Values
    // in [2147483647, 2147483647.5) round to the maximum anyway, and at .5 the even
    // neighbour lies outside; likewise at the negative end.
    if (value >= static_cast<double>(intMax)) return intMax;
    if (value <= static_cast<double>(intMin)) return intMin;

    // Ties to even, whatever the floating-point rounding mode: in the 32-bit range the
    // truncation is defined, and the floor and the fraction are exact. Without
    // branches: the fraction of a price move is as good as random, and a mispredicted
    // branch costs more than the whole sum.
    long long nearest = static_cast<long long>(value);
    nearest -= static_cast<long long>(static_cast<double>(nearest) > value);
    const double fraction = value - static_cast<double>(nearest);
    nearest +=
        static_cast<long long>((fraction > 0.5) | ((fraction == 0.5) & ((nearest & 1) != 0)));
    return static_cast<int>(nearest);
}

// The same rounding of a single-precision value, worked out on its bits: the basket total
// rounds fourteen times in a row, each rounding waiting for the one before, and integer
// steps take a fraction of the time of the conversions. Values of 2^23 and more, and
// infinities and NaN, take the route above.
inline int roundToInt(float value) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
    const int exponent = static_cast<int>((bits >> 23) & 0xFF);
    // The value is the 24-bit significand over 2^shift.
    const int shift = 150 - exponent;
    if (shift > 24) return 0;  // below one half, zero included
    if (shift <= 0) return roundToInt(static_cast<double>(value));
    const std::uint32_t significand = (bits & 0x7FFFFFu) | 0x800000u;
    std::uint32_t whole = significand >> shift;
    const std::uint32_t rest = significand & ((1u << shift) - 1);
    const std::uint32_t half = 1u << (shift - 1);
    whole += static_cast<std::uint32_t>((rest > half) | ((rest == half) & ((whole & 1) != 0)));
    const std::uint32_t negative = 0u - (bits >> 31);  // all ones for a negative value
    return static_cast<int>((whole ^ negative) - negative);
}

int saturateToInt(std::int64_t value);

}  // namespace fx
