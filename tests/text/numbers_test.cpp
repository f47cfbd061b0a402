#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(FormatNumberTest, ABlankThenTheWholeNumberOrTwoDecimals) {
    const std::pair<double, const char*> cases[] = {
        {12, " 12"},          {-7, " -7"},          {0.0, " 0"},       {-0.0, " 0"},
        {100, " 100"},        {1.5, " 1.50"},       {-0.25, " -0.25"}, {2.999, " 3.00"},
        {0.004, " 0.00"},     {-0.004, " -0.00"},   {100.0001, " 100.00"},
        {0.1f, " 0.10"},      {1.0f, " 1"},         {1.2345f, " 1.23"},
        // Whole values past 32 bits still print whole: the truncation is to 64 bits.
        {4294967296.0, " 4294967296"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(fx::formatNumber(value), text) << value;
    // Values with no 64-bit truncation still start with exactly one blank.
    for (double value : {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e20}) {
        const std::string text = fx::formatNumber(value);
        EXPECT_TRUE(text.size() >= 2 && text[0] == ' ' && text[1] != ' ') << value;
    }
}

TEST(ParseNumberTest, ReadsTheLeadingNumberOnly) {
    const std::pair<const char*, double> cases[] = {
        {" 1.2345", 1.2345}, {"-0.5", -0.5}, {".5", 0.5},       {"12abc", 12},
        {"1.2.3", 1.2},      {"1,5", 1},     {"1e3", 1},        {"+7", 0},
        {"- 5", 0},          {"", 0},        {"\t3.25", 3.25},  {"3.25 pips", 3.25},
        {"-", 0},            {"7.", 7},      {"01-02-2008,1.5", 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(fx::parseNumber(text), value) << '"' << text << '"';
    // A NUL or a byte above 127 is no digit.
    EXPECT_EQ(fx::parseNumber(std::string{'1', '2', '\0', '3'}), 12);
    EXPECT_EQ(fx::parseNumber("5\xB9"), 5);
}

TEST(ParseNumberTest, EachDecimalAddsDigitTimesATenthToTheN) {
    // 3 x (1/10) in double precision is 0.30000000000000004, not the double nearest 0.3
    // that a library conversion gives.
    EXPECT_EQ(fx::parseNumber("0.3"), 0.30000000000000004);
    EXPECT_DOUBLE_EQ(fx::parseNumber("1." + std::string(400, '0') + "1"), 1.0);
    EXPECT_TRUE(std::isinf(fx::parseNumber(std::string(400, '9'))));
}

}  // namespace
