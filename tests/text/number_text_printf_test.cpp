// formatNumber writes its texts without printf; they must be printf's, character for
// character: " %lld" for whole values, " %.2f" for the rest.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
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

TEST(FormatNumberPrintfTest, RandomValuesOfEveryShapeMatchPrintf) {
    std::mt19937_64 random(14);
    std::uniform_int_distribution<std::int64_t> hundredths(-10'000'000'000, 10'000'000'000);
    std::uniform_int_distribution<int> exponent(-30, 64);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int i = 0; i < 300'000; ++i) {
        const std::int64_t n = hundredths(random);
        const double values[] = {
            static_cast<double>(n) / 100.0,   // two decimals, as prices and pips have
            static_cast<double>(n) / 1000.0,  // halfway between hundredths
            static_cast<double>(n / 100),     // whole
            static_cast<float>(n / 1e6),      // widened single precision
            std::ldexp(static_cast<double>(bits(random) >> 11), exponent(random) - 53),
            std::bit_cast<double>(bits(random)),  // any bits at all
        };
        for (double value : values) {
            const double signedValue = i % 2 ? -value : value;
            ASSERT_EQ(fx::formatNumber(signedValue), printfText(signedValue))
                << std::hexfloat << signedValue;
        }
    }
}

}  // namespace
