#pragma once
// One line of an export, read by its layout: its date, its time of day and its close.

#include <optional>
#include <string>
#include <string_view>

#include "datatools/dates.h"
#include "datatools/export_layout.h"

namespace fx::datatools {

struct ExportRow {
    CalendarDate date;
    int secondsOfDay = -1;  // -1: the line gives no time
    std::string close;      // as the history file will hold it
};

struct RowReading {
    std::optional<ExportRow> row;
    std::string rejection;  // why the line was not taken, when it was not
};

RowReading readExportRow(std::string_view line, const ExportLayout& layout, DateFormat format);

// The close as the monitor will read it: digits with an optional "." and more digits,
// above 0 even in single precision. A decimal comma becomes a point where "," is not
// the separator. Nothing for anything else: the monitor would quietly read "1.3E2" as
// 1.3 and "+1.5" as 0, so such texts are not passed on.
std::optional<std::string> closeText(std::string_view field, char separator);

}  // namespace fx::datatools
