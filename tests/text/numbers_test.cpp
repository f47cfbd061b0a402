#include <gtest/gtest.h>

#include <bit>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
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

// How much parseNumber reads: what the data tools quote when a price is read only in part.
TEST(NumberSpanTest, IsWhatParseNumberReadsAndSaysWhetherItHasADigit) {
    const struct {
        const char* text;
        std::size_t length;
        bool hasDigits;
    } cases[] = {
        {" -1.25x", 6, true}, {"12:49", 2, true}, {".5", 2, true}, {"7.", 2, true},
        {"-.", 2, false},     {" +7", 1, false},  {"abc", 0, false},
    };
    for (const auto& c : cases) {
        const fx::NumberSpan span = fx::numberSpan(c.text);
        EXPECT_EQ(span.length, c.length) << '"' << c.text << '"';
        EXPECT_EQ(span.hasDigits, c.hasDigits) << '"' << c.text << '"';
    }
}

// parseNumber against its reading rule written out plainly: the whole part digit by
// digit as value x 10 + digit, then the n-th decimal adding digit x (1 / 10^n), each
// step rounded to double precision. Every bit of the result must agree, for plain
// prices and for any mix of digits, points, signs, blanks and other bytes.
double readByTheRule(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string_view::npos) return 0;
    const bool negative = text[at] == '-';
    if (negative) ++at;
    const auto digitAt = [&](std::size_t i) {
        return i < text.size() && text[i] >= '0' && text[i] <= '9';
    };
    double value = 0;
    for (; digitAt(at); ++at) value = value * 10 + (text[at] - '0');
    if (at < text.size() && text[at] == '.') {
        double tenToTheN = 1;
        for (++at; digitAt(at); ++at) {
            tenToTheN *= 10;
            value += (text[at] - '0') * (1 / tenToTheN);
        }
    }
    return negative ? -value : value;
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST(ParseNumberRuleTest, EveryTextReadsAsTheRuleReadsIt) {
    std::mt19937_64 random(20090105);
    const std::string alphabet = "0123456789012345678901234567890123456789.-. \tx\xB9";
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        const std::size_t length = random() % (i % 10 == 0 ? 64 : 24);
        for (std::size_t k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
        ASSERT_TRUE(sameBits(fx::parseNumber(text), readByTheRule(text))) << '"' << text << '"';
    }
    // A lone digit at each decimal place, where nothing larger hides a wrong step.
    for (std::size_t zeros = 0; zeros < 30; ++zeros)
        for (const char digit : {'1', '7'}) {
            const std::string text = "0." + std::string(zeros, '0') + digit;
            ASSERT_TRUE(sameBits(fx::parseNumber(text), readByTheRule(text))) << text;
        }
    for (int i = 0; i < 200000; ++i) {
        std::string text = std::to_string(random() >> (random() % 64)) + '.';
        for (std::size_t k = random() % 28; k > 0; --k)
            text += static_cast<char>('0' + random() % 10);
        ASSERT_TRUE(sameBits(fx::parseNumber(text), readByTheRule(text))) << '"' << text << '"';
    }
}

// formatNumber writes its texts without printf; they must be printf's, character for
// character: " %lld" for whole values, " %.2f" for the rest.
std::string printfText(double value) {
    char text[400];
    const double whole = std::trunc(value);
    if (std::abs(value) < 9223372036854775808.0 && whole == value)
        std::snprintf(text, sizeof text, " %lld", static_cast<long long>(whole));
    else
        std::snprintf(text, sizeof text, " %.2f", value);
    return text;
}

TEST(FormatNumberPrintfTest, HalfwayAndBoundaryValues) {
    // Exact binary halves of a hundredth go to the even neighbour, as printf rounds them.
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.125, " 0.12"},
        {0.375, " 0.38"},
        {-0.125, " -0.12"},
        {-0.005, " -0.01"},  // a little more than 0.005 in binary
        {2.675, " 2.67"},    // a little less than 2.675
        {999999999999999.9, " 999999999999999.88"},
        {1e15 + 0.5, " 1000000000000000.50"},
        {-9223372036854774784.0, " -9223372036854774784"},
        {9223372036854775808.0, " 9223372036854775808.00"},
        {1e-300, " 0.00"},
        {-1e-300, " -0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(fx::formatNumber(c.value), c.text) << c.value;
    for (double odd : {std::numeric_limits<double>::infinity(), std::nan(""), 1e300, -1e300})
        EXPECT_EQ(fx::formatNumber(odd), printfText(odd)) << odd;
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

// roundToInt of a float works on the float's bits; it must give what the rounding of the
// same value in double precision gives, for every float: checked here for every float
// between -2^12 and 2^12 on a grid of each binade's steps near the halves, and for a
// million random bit patterns (NaN, infinities and subnormals among them).
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
