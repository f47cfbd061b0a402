#include "datatools/export_layout.h"

#include <algorithm>
#include <array>

#include "datatools/dates.h"
#include "text/numbers.h"

namespace fx::datatools {

namespace {

std::string_view trimField(std::string_view field) {
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    field = field.substr(first, field.find_last_not_of(" \t") - first + 1);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
    return field;
}

// "<CLOSE>", "Close", " close ", "Close_Price" all become "close" or "closeprice".
std::string columnName(std::string_view field) {
    std::string name;
    for (const char c : field) {
        if (c == '<' || c == '>' || c == ' ' || c == '_' || c == '"') continue;
        name.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return name;
}

template <std::size_t N>
std::optional<int> findColumn(const std::vector<std::string>& names,
                              const std::array<std::string_view, N>& wanted) {
    // The wanted names are in order of preference: "close" before "last" before "price".
    for (const std::string_view name : wanted) {
        for (std::size_t i = 0; i < names.size(); ++i)
            if (names[i] == name) return static_cast<int>(i);
    }
    return std::nullopt;
}

bool startsWithDigit(std::string_view text) {
    return !text.empty() && isDigit(text[0]);
}

std::string columnList(const ExportLayout& layout) {
    std::string text = "date column " + std::to_string(layout.dateColumn + 1);
    if (layout.timeColumn) text += ", time column " + std::to_string(*layout.timeColumn + 1);
    return text + ", close column " + std::to_string(layout.closeColumn + 1);
}

// The names a date column goes by, as columnName writes them.
constexpr std::array<std::string_view, 7> dateNames = {
    "date", "day", "datetime", "timestamp", "localtime", "gmttime", "opentime"};

LayoutDetection headerLayout(const std::vector<std::string_view>& fields, char separator) {
    std::vector<std::string> names;
    for (const std::string_view field : fields) names.push_back(columnName(field));

    static constexpr std::array<std::string_view, 1> timeNames = {"time"};
    static constexpr std::array<std::string_view, 4> closeNames = {"close", "last", "closeprice",
                                                                   "price"};
    ExportLayout layout;
    layout.separator = separator;
    layout.hasHeader = true;
    std::optional<int> date = findColumn(names, dateNames);
    std::optional<int> time = findColumn(names, timeNames);
    if (!date && time) {
        // A lone "time" column holds the date and the time together.
        date = time;
        time.reset();
    }
    const std::optional<int> close = findColumn(names, closeNames);
    if (!date) return {std::nullopt, "the header names no date column (Date, <DATE>, Time, ...)"};
    if (!close)
        return {std::nullopt, "the header names no close column (Close, <CLOSE>, Last, Price)"};
    layout.dateColumn = *date;
    layout.timeColumn = time;
    layout.closeColumn = *close;
    const bool metaTrader5 = !fields.empty() && fields[0].starts_with("<");
    layout.description = std::string(metaTrader5 ? "MetaTrader 5 export" : "CSV with a header") +
                         ", " + separatorName(separator) + " separated, " + columnList(layout);
    return {layout, {}};
}

LayoutDetection headerlessLayout(const std::vector<std::string_view>& fields, char separator) {
    ExportLayout layout;
    layout.separator = separator;
    const int count = static_cast<int>(fields.size());
    const bool timeSecond = count >= 2 && readTimeOfDay(fields[1]).has_value();
    if (timeSecond && (count == 3 || count >= 6)) {
        // date, time, close; or date, time, open, high, low, close, volume...
        layout.timeColumn = 1;
        layout.closeColumn = count == 3 ? 2 : 5;
    } else if (!timeSecond && (count == 2 || count >= 5)) {
        // date, close (the monitor's own files); or date, open, high, low, close...
        layout.closeColumn = count == 2 ? 1 : 4;
    } else {
        return {std::nullopt, "no header and " + std::to_string(count) +
                                  " fields: which one is the close cannot be told; add a "
                                  "header line such as Date,Open,High,Low,Close"};
    }
    layout.description = std::string(timeSecond && count >= 6 ? "MetaTrader 4 history export"
                                                              : "CSV without a header") +
                         ", " + separatorName(separator) + " separated, " + columnList(layout);
    return {layout, {}};
}

}  // namespace

bool isDateColumnName(std::string_view field) {
    const std::string name = columnName(trimField(field));
    return std::find(dateNames.begin(), dateNames.end(), name) != dateNames.end();
}

char detectSeparator(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) return '\t';
    if (line.find(';') != std::string_view::npos) return ';';
    return ',';
}

std::vector<std::string_view> splitFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(
            trimField(line.substr(start, end == std::string_view::npos ? end : end - start)));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return fields;
}

std::string separatorName(char separator) {
    if (separator == '\t') return "tab";
    return std::string("\"") + separator + "\"";
}

LayoutDetection detectLayout(std::string_view firstLine) {
    const char separator = detectSeparator(firstLine);
    const std::vector<std::string_view> fields = splitFields(firstLine, separator);
    // Every date the importer reads starts with a digit; a first field that does not
    // is a column name.
    if (startsWithDigit(fields[0])) return headerlessLayout(fields, separator);
    return headerLayout(fields, separator);
}

}  // namespace fx::datatools
