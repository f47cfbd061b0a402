#include "text/rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(RoundToIntTest, HalvesToTheEvenNeighbourNaNIsZeroAndPastTheRangeSaturates) {
    const std::pair<double, int> cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-0.5, 0},
        {-7.49, -7},
        {2.5000001, 3},
        {nan, 0},
        {inf, intMax},
        {-1e300, intMin},
        {2147483647.5, intMax},
        {2147483646.5, 2147483646},
        {-2147483648.5, intMin},
    };
    for (const auto& [value, expected] : cases) EXPECT_EQ(fx::roundToInt(value), expected) << value;
    EXPECT_EQ(fx::saturateToInt(std::int64_t{intMax} + 1), intMax);
    EXPECT_EQ(fx::saturateToInt(std::int64_t{intMin} - 1), intMin);
}

}  // namespace
