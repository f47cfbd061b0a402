#pragma once
// Reading one export file whole: its layout, its date format, its rows by day, and
// the lines it had to reject.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "datatools/daily_closes.h"
#include "datatools/dates.h"
#include "datatools/export_layout.h"

namespace fx::datatools {

// A report shows this many rejected lines of a file; the rest are only counted.
inline constexpr std::size_t shownRejectedLines = 5;

struct RejectedLine {
    int lineNumber = 0;
    std::string reason;
};

// Counts a rejected line, and keeps it while fewer than shownRejectedLines are kept.
void noteRejectedLine(int& count, std::vector<RejectedLine>& shown, int lineNumber,
                      std::string reason);

// The rejected lines shown, one a line, and "..." when more were rejected.
void writeRejectedLines(std::ostream& out, int count, const std::vector<RejectedLine>& shown);

struct ExportReading {
    std::string error;  // the file could not be read at all; nothing else is set
    ExportLayout layout;
    DateFormat dateFormat;
    bool dateOrderAssumed = false;  // see DateFormatDetector
    int rowsTaken = 0;
    int rejectedCount = 0;
    std::vector<RejectedLine> firstRejected;  // at most shownRejectedLines
    std::vector<DailyClose> days;             // oldest first
};

// `dateFormat`: the file's date format as the user gave it; worked out from the file
// when nothing.
ExportReading readExport(const std::string& path, std::optional<DateFormat> dateFormat);

}  // namespace fx::datatools
