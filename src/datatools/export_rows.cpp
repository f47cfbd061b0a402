#include "datatools/export_rows.h"

#include <algorithm>
#include <vector>

#include "text/numbers.h"

namespace fx::datatools {

namespace {

// Long enough to show what is wrong with a field, short enough for one report line.
std::string quoted(std::string_view text) {
    constexpr std::size_t shown = 40;
    std::string quoted = "\"";
    quoted += text.substr(0, shown);
    quoted += text.size() > shown ? "...\"" : "\"";
    return quoted;
}

}  // namespace

std::optional<std::string> closeText(std::string_view field, char separator) {
    std::string text(field);
    if (separator != ',' && std::count(text.begin(), text.end(), ',') == 1 &&
        text.find('.') == std::string::npos) {
        std::replace(text.begin(), text.end(), ',', '.');
    }
    std::size_t digits = 0;
    std::size_t points = 0;
    for (const char c : text) {
        if (isDigit(c)) {
            ++digits;
        } else if (c == '.') {
            ++points;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1) return std::nullopt;
    if (!(static_cast<float>(parseNumber(text)) > 0.0f)) return std::nullopt;
    return text;
}

RowReading readExportRow(std::string_view line, const ExportLayout& layout, DateFormat format) {
    const std::vector<std::string_view> fields = splitFields(line, layout.separator);
    const int needed =
        std::max({layout.dateColumn, layout.timeColumn.value_or(0), layout.closeColumn}) + 1;
    if (static_cast<int>(fields.size()) < needed) {
        return {std::nullopt, std::to_string(fields.size()) + " field" +
                                  (fields.size() == 1 ? "" : "s") + ", but the close is field " +
                                  std::to_string(layout.closeColumn + 1)};
    }
    const std::string_view dateField = fields[layout.dateColumn];
    const std::optional<CalendarDate> date = readDate(dateField, format);
    if (!date) {
        return {std::nullopt,
                "date " + quoted(dateField) + " is not a date written " + dateFormatName(format)};
    }
    ExportRow row;
    row.date = *date;
    const std::string_view timeField =
        layout.timeColumn ? fields[*layout.timeColumn] : timeAfterDate(dateField);
    if (!timeField.empty()) {
        const std::optional<int> seconds = readTimeOfDay(timeField);
        if (!seconds) return {std::nullopt, "time " + quoted(timeField) + " is not a time"};
        row.secondsOfDay = *seconds;
    }
    const std::string_view closeField = fields[layout.closeColumn];
    std::optional<std::string> close = closeText(closeField, layout.separator);
    if (!close) return {std::nullopt, "close " + quoted(closeField) + " is not a price above 0"};
    row.close = std::move(*close);
    return {std::move(row), {}};
}

}  // namespace fx::datatools
