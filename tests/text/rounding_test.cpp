#include "text/rounding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

constexpr int intMax = std::numeric_limits<int>::max();
constexpr int intMin = std::numeric_limits<int>::min();

struct RoundCase {
    double value;
    int expected;
};

TEST(RoundToIntTest, HalvesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {12.5, 12},
        {13.5, 14},
        {0.5, 0},
        {-0.5, 0},
        {1.5, 2},
        {2.4999999, 2},
        {2.5000001, 3},
        {-2.5000001, -3},
        {0.0, 0},
        {-0.0, 0},
        {7.0, 7},
        {-7.49, -7},
        {1073741823.5, 1073741824},
        {1073741824.5, 1073741824},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fx::roundToInt(c.value), c.expected) << "value " << c.value;
    }
}

TEST(RoundToIntTest, NaNIsZeroAndValuesBeyondTheRangeSaturate) {
    const RoundCase cases[] = {
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {-std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), intMax},
        {-std::numeric_limits<double>::infinity(), intMin},
        {1e300, intMax},
        {-1e300, intMin},
        {2147483647.0, intMax},
        {2147483647.4, intMax},
        {2147483647.5, intMax},
        {2147483646.5, 2147483646},
        {-2147483648.0, intMin},
        {-2147483648.5, intMin},
        {-2147483647.5, intMin},
        {-2147483646.5, -2147483646},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fx::roundToInt(c.value), c.expected) << "value " << c.value;
    }
}

TEST(SaturateToIntTest, ClampsToThe32BitRange) {
    EXPECT_EQ(fx::saturateToInt(0), 0);
    EXPECT_EQ(fx::saturateToInt(-123), -123);
    EXPECT_EQ(fx::saturateToInt(intMax), intMax);
    EXPECT_EQ(fx::saturateToInt(std::int64_t{intMax} + 1), intMax);
    EXPECT_EQ(fx::saturateToInt(std::int64_t{intMin} - 1), intMin);
    EXPECT_EQ(fx::saturateToInt(std::numeric_limits<std::int64_t>::max()), intMax);
    EXPECT_EQ(fx::saturateToInt(std::numeric_limits<std::int64_t>::min()), intMin);
}

}  // namespace
