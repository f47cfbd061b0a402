#include "datatools/rate_table.h"

#include <algorithm>
#include <charconv>
#include <map>

#include "datatools/export_layout.h"
#include "datatools/export_lines.h"
#include "datatools/export_rows.h"
#include "datatools/symbol_names.h"
#include "text/command_line.h"
#include "text/numbers.h"

namespace fx::datatools {

namespace {

// A table of 200 currencies writes lines of a few thousand characters.
constexpr std::size_t longestRateLine = 64 * 1024;

bool hasDigit(std::string_view field) {
    return std::any_of(field.begin(), field.end(), isDigit);
}

struct RateHeader {
    int lineNumber = 0;
    char separator = ',';
    int dateColumn = 0;
    std::vector<std::optional<int>> currencyColumns;  // per currency asked for
};

// The header: the separator, the date column and the columns of the currencies asked for.
bool readHeader(const std::string& line, const std::vector<std::string>& currencies,
                RateHeader& header, RateTable& table) {
    header.separator = detectSeparator(line);
    const std::vector<std::string_view> fields = splitFields(line, header.separator);
    const auto date = std::find_if(fields.begin(), fields.end(), isDateColumnName);
    if (date == fields.end()) {
        table.error = "line " + std::to_string(header.lineNumber) +
                      ": the header names no date column (Date, Day, ...)";
        return false;
    }
    header.dateColumn = static_cast<int>(date - fields.begin());
    for (const std::string& currency : currencies) {
        const auto column = std::find_if(fields.begin(), fields.end(), [&](std::string_view f) {
            return isCurrencyCode(f) && upperCase(f) == currency;
        });
        if (column == fields.end()) {
            header.currencyColumns.emplace_back();
            table.missingColumns.push_back(currency);
        } else {
            header.currencyColumns.emplace_back(static_cast<int>(column - fields.begin()));
        }
    }
    const auto codes = std::count_if(fields.begin(), fields.end(), isCurrencyCode);
    table.description = separatorName(header.separator) + " separated, date column " +
                        std::to_string(header.dateColumn + 1) + ", " + std::to_string(codes) +
                        " currency column" + (codes == 1 ? "" : "s");
    return true;
}

// The first pass: the header, and the date format from every date field.
bool findHeaderAndDates(const std::string& path, const std::vector<std::string>& currencies,
                        bool detectDates, RateHeader& header, RateTable& table) {
    ExportLines lines(longestRateLine);
    if (!lines.open(path)) {
        table.error = "cannot be opened";
        return false;
    }
    DateFormatDetector detector;
    std::string line;
    while (lines.next(line)) {
        if (lines.number() == 1 && isUtf16Text(line)) {
            table.error = "the file is UTF-16 text; save it as UTF-8 or ANSI text";
            return false;
        }
        if (isBlankLine(line)) continue;
        if (header.lineNumber == 0) {
            header.lineNumber = lines.number();
            if (!readHeader(line, currencies, header, table)) return false;
            if (!detectDates) break;
            continue;
        }
        const auto fields = splitFields(line, header.separator);
        if (static_cast<int>(fields.size()) > header.dateColumn)
            detector.see(fields[header.dateColumn]);
    }
    if (header.lineNumber == 0) {
        table.error = "the file has no lines";
        return false;
    }
    if (detectDates) {
        if (!detector.format()) {
            table.error =
                "no line has a date in a known form (YYYY-MM-DD, YYYY.MM.DD, MM/DD/YYYY, "
                "DD.MM.YYYY, YYYYMMDD)";
            return false;
        }
        table.dateFormat = *detector.format();
        table.dateOrderAssumed = detector.orderAssumed();
    }
    return true;
}

// A data line's day, or why the line is rejected.
std::optional<RateDay> readRateDay(std::string_view line, const RateHeader& header,
                                   const std::vector<std::string>& currencies,
                                   const RateTable& table, std::string& rejection) {
    const std::vector<std::string_view> fields = splitFields(line, header.separator);
    // Tables leave out the empty fields at the end of a line.
    const auto field = [&](int column) {
        return column < static_cast<int>(fields.size()) ? fields[column] : std::string_view();
    };
    const std::string_view dateField = field(header.dateColumn);
    const std::optional<CalendarDate> date = readDate(dateField, table.dateFormat);
    if (!date) {
        rejection = "date " + quotedForMessage(dateField) + " is not a date written " +
                    dateFormatName(table.dateFormat);
        return std::nullopt;
    }
    RateDay day{*date, {}};
    for (std::size_t c = 0; c < currencies.size(); ++c) {
        const std::optional<int> column = header.currencyColumns[c];
        const std::string_view value = column ? field(*column) : std::string_view();
        // "", "N/A", "ND", "-": the day has no rate of this currency.
        if (!hasDigit(value)) {
            day.rates.emplace_back();
            continue;
        }
        const std::optional<std::string> text = closeText(value, header.separator);
        double rate = 0.0;
        if (!text ||
            std::from_chars(text->data(), text->data() + text->size(), rate).ec != std::errc()) {
            rejection = currencies[c] + " " + quotedForMessage(value) + " is not a rate above 0";
            return std::nullopt;
        }
        day.rates.emplace_back(rate);
    }
    return day;
}

}  // namespace

RateTable readRateTable(const std::string& path, const std::vector<std::string>& currencies,
                        std::optional<DateFormat> dateFormat) {
    RateTable table;
    RateHeader header;
    if (dateFormat) table.dateFormat = *dateFormat;
    if (!findHeaderAndDates(path, currencies, !dateFormat, header, table)) return table;

    ExportLines lines(longestRateLine);
    if (!lines.open(path)) {
        table.error = "cannot be opened";
        return table;
    }
    std::map<CalendarDate, RateDay> days;
    std::map<CalendarDate, int> lineOfDate;
    std::string line;
    while (lines.next(line)) {
        if (lines.number() <= header.lineNumber || isBlankLine(line)) continue;
        std::string rejection;
        std::optional<RateDay> day;
        if (lines.lastLength() > longestRateLine) {
            rejection = "longer than " + std::to_string(longestRateLine) + " characters";
        } else {
            day = readRateDay(line, header, currencies, table, rejection);
        }
        if (day) {
            const auto [earlier, isNew] = lineOfDate.try_emplace(day->date, lines.number());
            if (!isNew) {
                rejection = "the date " + monitorDateText(day->date) + " is on line " +
                            std::to_string(earlier->second) + " already";
                day.reset();
            }
        }
        if (!day) {
            noteRejectedLine(table.rejectedCount, table.firstRejected, lines.number(),
                             std::move(rejection));
            continue;
        }
        const CalendarDate date = day->date;
        days.emplace(date, std::move(*day));
    }
    table.days.reserve(days.size());
    for (auto& entry : days) table.days.push_back(std::move(entry.second));
    return table;
}

}  // namespace fx::datatools
