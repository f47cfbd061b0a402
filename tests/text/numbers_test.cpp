#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(ParseNumberTest, ReadsTheLeadingNumberOnly) {
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
}

TEST(ParseNumberTest, EachDecimalAddsDigitTimesATenthToTheN) {
    // 3 x (1/10) in double precision is 0.30000000000000004, not the double nearest 0.3
    // that a library conversion gives.
    EXPECT_EQ(fx::parseNumber("0.3"), 0.30000000000000004);
    EXPECT_DOUBLE_EQ(fx::parseNumber("1." + std::string(400, '0') + "1"), 1.0);
    EXPECT_TRUE(std::isinf(fx::parseNumber(std::string(400, '9'))));
}

}  // namespace
