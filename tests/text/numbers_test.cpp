#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    double value;
    const char* text;
};

TEST(FormatNumberTest, WholeAndFractionalValues) {
    const FormatCase cases[] = {
        {12, " 12"},
        {-7, " -7"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {100, " 100"},
        {1.5, " 1.50"},
        {-0.25, " -0.25"},
        {2.999, " 3.00"},
        {0.004, " 0.00"},
        // A negative value that rounds to zero keeps its minus sign.
        {-0.004, " -0.00"},
        {100.0001, " 100.00"},
        // Whole values beyond 32 bits still print as whole numbers: the truncation is to 64 bits.
        {4294967296.0, " 4294967296"},
        {-1099511627776.0, " -1099511627776"},
        {2147483648.5, " 2147483648.50"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fx::formatNumber(c.value), c.text) << "value " << c.value;
    }
}

TEST(FormatNumberTest, SinglePrecisionValuesAreWidenedExactly) {
    EXPECT_EQ(fx::formatNumber(0.1f), " 0.10");
    EXPECT_EQ(fx::formatNumber(1.0f), " 1");
    EXPECT_EQ(fx::formatNumber(1.1f), " 1.10");
    // 1.2345f widens to 1.23450005054473876953125, which is not whole.
    EXPECT_EQ(fx::formatNumber(1.2345f), " 1.23");
    EXPECT_EQ(fx::formatNumber(-152.34f), " -152.34");
}

TEST(FormatNumberTest, ValuesWithoutA64BitTruncationStillStartWithOneBlank) {
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(), 1e300, -1e20};
    for (double value : values) {
        const std::string text = fx::formatNumber(value);
        ASSERT_GE(text.size(), 2u) << value;
        EXPECT_EQ(text[0], ' ') << value;
        EXPECT_NE(text[1], ' ') << value;
    }
}

struct ParseCase {
    const char* text;
    double value;
};

TEST(ParseNumberTest, ReadsTheLeadingNumberOnly) {
    const ParseCase cases[] = {
        {" 1.2345", 1.2345},
        {"-0.5", -0.5},
        {".5", 0.5},
        {"12abc", 12},
        {"1.2.3", 1.2},
        {"1,5", 1},
        {"1e3", 1},
        {"+7", 0},
        {"- 5", 0},
        {"", 0},
        {"\t3.25", 3.25},
        {"3.25 pips", 3.25},
        {"-", 0},
        {"abc", 0},
        {"152.34", 152.34},
        {" \t -2", -2},
        {"1.98765,1.98790", 1.98765},
        {"01-02-2008,1.5", 1},
        {"0.0001", 0.0001},
        {"499.999", 499.999},
        {"7.", 7},
        {"-.25", -0.25},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(fx::parseNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ParseNumberTest, AddsEachDecimalAsDigitTimesAPowerOfATenth) {
    // 3 x (1/10) is 0.30000000000000004, one step away from the nearest double to 0.3:
    // a library conversion would give the other value.
    EXPECT_EQ(fx::parseNumber("0.3"), 3 * (1 / 10.0));
    EXPECT_NE(fx::parseNumber("0.3"), 0.3);
    EXPECT_EQ(fx::parseNumber("2.07"), 2.0 + 0.0 * (1 / 10.0) + 7 * (1 / 100.0));
}

TEST(ParseNumberTest, StopsAtTheFirstByteThatIsNoDigit) {
    EXPECT_EQ(fx::parseNumber(std::string{'1', '2', '\0', '3', '4'}), 12);
    // A byte above 127 is no digit, whatever a code page makes of it (0xB2: superscript two).
    EXPECT_EQ(fx::parseNumber(std::string{'\xB2', '5'}), 0);
    EXPECT_EQ(fx::parseNumber("5\xB9"), 5);
}

TEST(ParseNumberTest, VeryLongDigitRunsStayFinite) {
    EXPECT_DOUBLE_EQ(fx::parseNumber("1." + std::string(400, '0') + "1"), 1.0);
    EXPECT_TRUE(std::isinf(fx::parseNumber(std::string(400, '9'))));
}

}  // namespace
