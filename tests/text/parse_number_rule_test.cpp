// parseNumber against its reading rule written out plainly: the whole part digit by
// digit as value x 10 + digit, then the n-th decimal adding digit x (1 / 10^n), each
// step rounded to double precision. Every bit of the result must agree, for plain
// prices and for any mix of digits, points, signs, blanks and other bytes.

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "text/numbers.h"

namespace {

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

}  // namespace
