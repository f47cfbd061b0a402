#include "datatools/line_diagnosis.h"

#include "prices/price_files.h"
#include "text/numbers.h"

namespace fx::datatools {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string_view skipBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// The length of the number parseNumber reads at the start of a text with its blanks
// already skipped, and whether it has a digit at all.
struct NumberSpan {
    std::size_t length = 0;
    bool hasDigits = false;
};

NumberSpan numberSpan(std::string_view text) {
    NumberSpan span;
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        span.hasDigits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            span.hasDigits = true;
        }
    }
    span.length = span.hasDigits ? i : 0;
    return span;
}

}  // namespace

std::string zeroPriceReason(std::string_view line) {
    if (line.empty()) return "blank line";
    if (skipBlanks(line).empty()) return "blank line (blanks only)";
    if (isLetter(line[0]) || line[0] == '<' || line[0] == '"') return "a header";
    const std::string_view priceText = historyPriceText(line);
    if (priceText.empty()) {
        return "no price text: the line has " + std::to_string(line.size()) +
               " characters and the price starts at character 12";
    }
    const std::string_view price = skipBlanks(priceText);
    if (price.empty()) return "empty price text";
    if (price[0] == '+') return "a \"+\" sign before the price";
    if (price[0] == '-' && (price.size() == 1 || !(isDigit(price[1]) || price[1] == '.')))
        return "a \"-\" not followed by a number";
    if (const auto readPart = numberReadInPart(price))
        return "the price text is read only as far as \"" + *readPart + "\", which is 0";
    if (numberSpan(price).hasDigits) return "a price of 0";
    return "the price text is not a number";
}

std::optional<std::string> numberReadInPart(std::string_view text) {
    const std::string_view price = skipBlanks(text);
    const NumberSpan span = numberSpan(price);
    if (!span.hasDigits || span.length == price.size()) return std::nullopt;
    const char next = price[span.length];
    if (next == ',' || next == ';' || next == '\t' || next == ' ') return std::nullopt;
    return std::string(price.substr(0, span.length));
}

std::optional<std::string> realtimeRejection(std::string_view firstLine) {
    if (firstLine.empty()) return "empty";
    if (!numberSpan(skipBlanks(firstLine)).hasDigits) return "not a number";
    if (!isAcceptedRealtimePrice(parseNumber(firstLine))) return "outside (0, 500)";
    return std::nullopt;
}

}  // namespace fx::datatools
