#pragma once
// The layouts of the price exports the importer reads: where the date, the time and
// the close stand in a line, and what separates the fields.
//
//   MetaTrader 4 history export, no header:  2009.01.05,12:49,1.3677,1.3678,1.3676,1.3676,8
//   MetaTrader 5 export, tab separated:      <DATE>  <TIME>  <OPEN>  <HIGH>  <LOW>  <CLOSE> ...
//   CSV with a header naming its columns:    Date,Open,High,Low,Close

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fx::datatools {

struct ExportLayout {
    char separator = ',';
    bool hasHeader = false;
    int dateColumn = 0;
    std::optional<int> timeColumn;  // nothing: the time, if any, is in the date field
    int closeColumn = 0;
    std::string description;  // for the importer's report
};

struct LayoutDetection {
    std::optional<ExportLayout> layout;
    std::string error;  // why no layout fits, when there is none
};

// From the first line that is not blank (its byte-order mark already removed).
LayoutDetection detectLayout(std::string_view firstLine);

// Tab if the line has one, else ";" if it has one, else ",": a ";"-separated file
// may write its prices with a decimal comma, so "," is the separator only when no
// other is there.
char detectSeparator(std::string_view line);

// The line's fields, each without surrounding blanks and double quotes.
std::vector<std::string_view> splitFields(std::string_view line, char separator);

// A header field naming a date column: "Date", "<DATE>", "Day", "Timestamp", ...
bool isDateColumnName(std::string_view field);

// "a tab", "\";\"", "\",\"": the separator as a report names it.
std::string separatorName(char separator);

}  // namespace fx::datatools
