// formatNumber writes its texts without printf; they must be printf's, character for
// character: " %lld" for whole values, " %.2f" for the rest.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "text/numbers.h"

namespace {

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

}  // namespace
