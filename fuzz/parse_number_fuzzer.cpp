// parseNumber on any bytes: never NaN, the text after the number never matters, the
// sign is the one written, and a number of a few digits reads as the number it spells.
// formatNumber and roundToInt then take whatever came out.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "text/numbers.h"
#include "text/rounding.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of the number at the start of the text, by the reading rule.
struct NumberShape {
    std::size_t start = 0;  // after the blanks and tabs
    std::size_t end = 0;    // the first character that is not part of the number
    bool negative = false;
    std::size_t wholeDigits = 0;
    std::size_t decimals = 0;
};

NumberShape shapeOf(std::string_view text) {
    NumberShape shape;
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    shape.start = at;
    if (at < text.size() && text[at] == '-') {
        shape.negative = true;
        ++at;
    }
    while (at < text.size() && isDigit(text[at])) ++at, ++shape.wholeDigits;
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at])) ++at, ++shape.decimals;
    }
    shape.end = at;
    return shape;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fxfuzz::bytesOf(data, size);
    const double value = fx::parseNumber(text);
    fxfuzz::check(!std::isnan(value), "parseNumber gave NaN");

    const NumberShape shape = shapeOf(text);
    fxfuzz::check(fx::parseNumber(text.substr(0, shape.end)) == value,
                  "the text after the number changed its value");
    fxfuzz::check(shape.negative ? !(value > 0) : !(value < 0), "the sign is not the one written");
    if (shape.wholeDigits + shape.decimals == 0) fxfuzz::check(value == 0, "no digits, yet not 0");

    // Few digits: within a rounding error of the correctly rounded value.
    if (shape.wholeDigits + shape.decimals > 0 && shape.wholeDigits <= 15 && shape.decimals <= 15) {
        const std::string number(text.substr(shape.start, shape.end - shape.start));
        const double expected = std::strtod(number.c_str(), nullptr);
        const double tolerance = 1e-12 * std::fmax(1.0, std::fabs(expected));
        fxfuzz::check(std::fabs(value - expected) <= tolerance,
                      "the value is not the number written");
    }

    const std::string shown = fx::formatNumber(value);
    fxfuzz::check(!shown.empty() && shown[0] == ' ', "formatNumber must start with a blank");
    const int whole = fx::roundToInt(value);
    if (std::fabs(value) < 1e9) fxfuzz::check(std::fabs(whole - value) <= 0.5, "roundToInt is off");
    return 0;
}
