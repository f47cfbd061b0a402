// roundToInt of a float works on the float's bits; it must give what the rounding of the
// same value in double precision gives, for every float: checked here for every float
// between -2^12 and 2^12 on a grid of each binade's steps near the halves, and for a
// million random bit patterns (NaN, infinities and subnormals among them).

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "text/rounding.h"

namespace {

void expectSameRounding(float value) {
    ASSERT_EQ(fx::roundToInt(value), fx::roundToInt(static_cast<double>(value)))
        << std::bit_cast<std::uint32_t>(value) << " " << value;
}

TEST(RoundFloatTest, EveryFloatRoundsAsInDoublePrecision) {
    // Halves and their neighbours, whole numbers and their neighbours.
    for (int n = -4096; n <= 4096; ++n)
        for (const float base : {n + 0.5f, static_cast<float>(n)})
            for (const float value :
                 {std::nextafter(base, -1e9f), base, std::nextafter(base, 1e9f)})
                expectSameRounding(value);
    for (const float value :
         {0.0f, -0.0f, 0.49999997f, 0.5f, -0.5f, 1.5f, 2.5f, -2.5f, 8388607.5f, 8388608.0f,
          16777217.0f, 2147483520.0f, 2147483648.0f, -2147483648.0f, 3e38f,
          std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::infinity(),
          -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()})
        expectSameRounding(value);
    std::mt19937 random(20090105);
    for (int i = 0; i < 1000000; ++i)
        expectSameRounding(std::bit_cast<float>(static_cast<std::uint32_t>(random())));
}

}  // namespace
