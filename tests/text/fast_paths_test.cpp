// The shortcuts taken for speed give exactly what the plain rules give: dateText and
// timeText write the usual values digit by digit and leave the rest to printf;
// parseNumber takes 1 / 10^n from a table for the first 22 decimals.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "text/clock.h"
#include "text/numbers.h"

namespace {

std::string printed(const char* format, int a, int b, int c) {
    char text[64];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

TEST(FastPathsTest, DateAndTimeTextsMatchThePrintedFormatAtAndAcrossEveryWidth) {
    const int values[] = {-100, -10, -1,  0,    1,    9,    10,    59,
                          99,   100, 999, 1000, 2009, 9999, 10000, 123456};
    for (int a : values) {
        for (int b : values) {
            for (int c : values) {
                EXPECT_EQ(fx::dateText({c, a, b, 0, 0, 0}), printed("%02d-%02d-%04d", a, b, c))
                    << a << " " << b << " " << c;
                EXPECT_EQ(fx::timeText({2009, 1, 1, a, b, c}), printed("%02d:%02d:%02d", a, b, c))
                    << a << " " << b << " " << c;
            }
        }
    }
}

// The written rule itself, with a division at every decimal.
double byTheRule(const std::string& decimals) {
    double value = 0.0;
    volatile double power = 1.0;  // kept from being folded into a table
    for (char digit : decimals) {
        power = power * 10.0;
        value += (digit - '0') * (1.0 / power);
    }
    return value;
}

TEST(FastPathsTest, EveryDecimalPlaceAddsExactlyWhatTheDivisionGives) {
    for (int places = 1; places <= 40; ++places) {
        for (char digit = '1'; digit <= '9'; ++digit) {
            const std::string lone = std::string(places - 1, '0') + digit;
            EXPECT_EQ(fx::parseNumber("0." + lone), byTheRule(lone)) << "0." << lone;
            const std::string many(places, digit);
            EXPECT_EQ(fx::parseNumber("0." + many), byTheRule(many)) << "0." << many;
        }
    }
}

}  // namespace
