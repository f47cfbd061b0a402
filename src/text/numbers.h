#pragma once
// Number texts: every number the program shows, logs or saves goes through
// formatNumber, and every number it reads from a file goes through parseNumber.

#include <cstddef>
#include <string>
#include <string_view>

namespace fx {

// A blank, then the number: " %d" for whole values, " %.2f" otherwise.
std::string formatNumber(double value);

// formatNumber's text kept in place: a real-time cycle writes some forty number texts,
// each read once, and none of them needs a string of its own.
class NumberText {
public:
    explicit NumberText(double value);
    // A whole number: " %d", without going through double precision.
    explicit NumberText(int value);
    std::string_view view() const { return std::string_view(text_, length_); }

private:
    // Room for the longest text, the largest double with decimals: a blank, a sign, 309
    // whole digits, the point, two decimals and the terminating NUL of a formatted print.
    char text_[320];
    std::size_t length_ = 0;
};

// '0' to '9', in any locale: the one digit test of the readers of numbers and dates.
constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
// A text of at least one character, all of them digits.
bool allDigits(std::string_view text);

// Leading blanks and tabs, an optional "-", digits, an optional "." with digits;
// whatever follows is ignored. No digits at all gives 0.
double parseNumber(std::string_view text);

// How much of a text parseNumber reads: `length` characters from the text's start
// (blanks, sign, digits and point), of which at least one is a digit when `hasDigits`.
struct NumberSpan {
    std::size_t length = 0;
    bool hasDigits = false;
};
NumberSpan numberSpan(std::string_view text);

// The text without the blanks and tabs around it: a number box's text without the
// blank formatNumber puts before the number.
std::string_view trimmedBlanks(std::string_view text);

}  // namespace fx
