#include "datatools/line_diagnosis.h"

#include "datatools/dates.h"
#include "prices/price_files.h"
#include "text/numbers.h"

namespace fx::datatools {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string_view skipBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// What is wrong with the date the monitor takes from a line, followed by "; ", or
// nothing when it is a date.
std::string dateProblem(std::string_view line) {
    constexpr DateFormat monitorDates{DateOrder::MonthDayYear, '-'};
    const std::string date = historyRowOf(line).date;
    if (date.size() == 10 && readDate(date, monitorDates)) return {};
    return "date \"" + date + "\" is not a date written " +
           dateFormatName(monitorDates) + "; ";
}

std::string priceProblem(std::string_view line) {
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

}  // namespace

std::string zeroPriceReason(std::string_view line, int lineNumber) {
    if (line.empty()) return "blank line";
    if (skipBlanks(line).empty()) return "blank line (blanks only)";
    // Only a file's first line can be a header; further down, such a line is a history
    // line gone wrong, told by its date and its price like any other.
    if (lineNumber == 1 && (isLetter(line[0]) || line[0] == '<' || line[0] == '"'))
        return "a header";
    return dateProblem(line) + priceProblem(line);
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
    if (!numberSpan(firstLine).hasDigits) return "not a number";
    if (!isAcceptedRealtimePrice(parseNumber(firstLine))) return "outside (0, 500)";
    return std::nullopt;
}

}  // namespace fx::datatools
