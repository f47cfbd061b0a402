#include "text/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace fx {

namespace {

// 2^63: every double of smaller magnitude truncates to a 64-bit integer without overflow.
constexpr double int64Limit = 9223372036854775808.0;
// Values of smaller magnitude have at most 16 integer digits: std::to_chars takes them.
constexpr double toCharsLimit = 1e15;

// 1 / 10^n for n = 1 to 22, each the correctly rounded quotient, as the division gives it.
constexpr std::array<double, 23> inverseTens = [] {
    std::array<double, 23> table{};
    double power = 1.0;
    for (std::size_t n = 1; n < table.size(); ++n) {
        power *= 10.0;
        table[n] = 1.0 / power;
    }
    return table;
}();

// digit x (1 / 10^n), each product rounded as the multiplication rounds it.
constexpr std::array<std::array<double, 10>, 23> decimalSteps = [] {
    std::array<std::array<double, 10>, 23> table{};
    for (std::size_t n = 1; n < table.size(); ++n)
        for (int digit = 0; digit < 10; ++digit) table[n][digit] = digit * inverseTens[n];
    return table;
}();

// While the integer part is below this, one more digit keeps it below 2^53.
constexpr std::uint64_t exactWholeLimit = ((std::uint64_t{1} << 53) - 9) / 10;

}  // namespace

NumberText::NumberText(double value) {
    // std::to_chars gives the same digits as printf (the exact decimal value of the
    // double, rounded to two places), without parsing a format; huge and non-finite
    // values keep the printf route.
    text_[0] = ' ';
    // NaN and infinities fail the range test and go to the "%.2f" branch, so the
    // truncation below is always defined.
    if (value > -int64Limit && value < int64Limit) {
        const std::int64_t whole = static_cast<std::int64_t>(value);
        if (static_cast<double>(whole) == value) {
            const char* end = std::to_chars(text_ + 1, text_ + sizeof text_, whole).ptr;
            length_ = static_cast<std::size_t>(end - text_);
            return;
        }
        if (value > -toCharsLimit && value < toCharsLimit) {
            const auto written =
                std::to_chars(text_ + 1, text_ + sizeof text_, value, std::chars_format::fixed, 2);
            if (written.ec == std::errc()) {
                length_ = static_cast<std::size_t>(written.ptr - text_);
                return;
            }
        }
    }
    const int length = std::snprintf(text_, sizeof text_, " %.2f", value);
    length_ = length < 0 ? 1 : std::min(static_cast<std::size_t>(length), sizeof text_ - 1);
}

NumberText::NumberText(int value) {
    text_[0] = ' ';
    length_ =
        static_cast<std::size_t>(std::to_chars(text_ + 1, text_ + sizeof text_, value).ptr - text_);
}

std::string formatNumber(double value) { return std::string(NumberText(value).view()); }

namespace {

// parseNumber's reading: the number at `at`, which is left just past it. Inline in both
// of its callers, so that parseNumber, which reads every history price, pays nothing for
// numberSpan's use of it.
[[gnu::always_inline]] inline double readNumber(const char*& at, const char* const end) {
    while (at != end && (*at == ' ' || *at == '\t')) ++at;
    const bool negative = at != end && *at == '-';
    if (negative) ++at;

    // value x 10 + digit is exact in double precision while the value stays below 2^53,
    // so up to there the integer part is gathered as an integer, a step a digit shorter.
    // Fifteen digits never reach that limit, so they are taken without asking.
    std::uint64_t whole = 0;
    const char* const surelyExact = at + std::min<std::ptrdiff_t>(end - at, 15);
    while (at != surelyExact && isDigit(*at))
        whole = whole * 10 + static_cast<unsigned>(*at++ - '0');
    while (at != end && isDigit(*at) && whole < exactWholeLimit)
        whole = whole * 10 + static_cast<unsigned>(*at++ - '0');
    double value = static_cast<double>(whole);
    while (at != end && isDigit(*at)) value = value * 10.0 + (*at++ - '0');

    if (at != end && *at == '.') {
        ++at;
        // The n-th decimal adds digit x (1 / 10^n). 10^n is exact in double precision up
        // to n = 22, so up to there the products come from a table, the same values
        // without a division each; past it 10^n is multiplied up a step at a time.
        std::size_t n = 0;
        while (at != end && isDigit(*at) && n < decimalSteps.size() - 1)
            value += decimalSteps[++n][*at++ - '0'];
        double power = 1e22;
        while (at != end && isDigit(*at)) {
            power *= 10.0;
            value += (*at++ - '0') * (1.0 / power);
        }
    }

    return negative ? -value : value;
}

}  // namespace

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

double parseNumber(std::string_view text) {
    const char* at = text.data();
    return readNumber(at, at + text.size());
}

NumberSpan numberSpan(std::string_view text) {
    const char* at = text.data();
    readNumber(at, at + text.size());
    // What was read is blanks, a sign, digits and a point: any digit among them is one
    // of the number's.
    return {static_cast<std::size_t>(at - text.data()), std::any_of(text.data(), at, isDigit)};
}

std::string_view trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace fx
