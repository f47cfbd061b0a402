#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#ifdef _WIN32
#include <float.h>
#endif

#include "text/numbers.h"
#include "text/numeric_mode.h"
#include "text/rounding.h"

namespace {

TEST(ParseNumberTest, ReadsTheLeadingNumberOnlyEachDecimalAddingDigitTimesATenthToTheN) {
    const std::pair<const char*, double> cases[] = {
        {" 1.2345", 1.2345}, {"-0.5", -0.5},      {".5", 0.5}, {"12abc", 12}, {"1.2.3", 1.2},
        {"1,5", 1},          {"1e3", 1},          {"+7", 0},   {"- 5", 0},    {"", 0},
        {"\t3.25", 3.25},    {"3.25 pips", 3.25}, {"-", 0},    {"7.", 7},     {"01-02-2008,1.5", 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(fx::parseNumber(text), value) << '"' << text << '"';
    // A NUL or a byte above 127 is no digit.
    EXPECT_EQ(fx::parseNumber(std::string{'1', '2', '\0', '3'}), 12);
    EXPECT_EQ(fx::parseNumber("5\xB9"), 5);
    // Each decimal adds digit x 1/10^n: 3 x (1/10) in double precision is 0.30000000000000004, not
    // the double nearest 0.3 that a library conversion gives.
    EXPECT_EQ(fx::parseNumber("0.3"), 0.30000000000000004);
    EXPECT_DOUBLE_EQ(fx::parseNumber("1." + std::string(400, '0') + "1"), 1.0);
    EXPECT_TRUE(std::isinf(fx::parseNumber(std::string(400, '9'))));
}

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

// Was: only the rounding was fixed, so a program started with traps enabled kept them,
// and a division by zero stopped it.
TEST(NumericModeTest, ExceptionsAreMaskedAndHalvesRoundToEven) {
#ifdef _WIN32
    _controlfp(0, _EM_ZERODIVIDE | _EM_INVALID);  // unmasks: traps enabled
#elif defined(__GLIBC__)
    feenableexcept(FE_DIVBYZERO | FE_INVALID);
#endif
    std::fesetround(FE_UPWARD);
    fx::fixNumericMode();
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isinf(1.0 / zero));
    EXPECT_TRUE(std::isnan(zero / zero));
    EXPECT_EQ(std::nearbyint(2.5), 2.0);
    EXPECT_EQ(std::nearbyint(3.5), 4.0);
}

}  // namespace
