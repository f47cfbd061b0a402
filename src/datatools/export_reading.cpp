#include "datatools/export_reading.h"

#include "datatools/export_rows.h"
#include "text/text_file.h"

namespace fx::datatools {

namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

bool isUtf16(std::string_view line) {
    return line.starts_with("\xFF\xFE") || line.starts_with("\xFE\xFF");
}

// The file's lines as readLine gives them, with a UTF-8 byte-order mark taken off the
// first one.
class ExportLines {
public:
    bool open(const std::string& path) { return file_.open(path); }
    bool next(std::string& line) {
        if (!readLine(file_, line)) return false;
        ++number_;
        if (number_ == 1 && std::string_view(line).starts_with(utf8Mark))
            line.erase(0, utf8Mark.size());
        return true;
    }
    int number() const { return number_; }

private:
    InputTextFile file_;
    int number_ = 0;
};

void reject(ExportReading& reading, int lineNumber, std::string reason) {
    ++reading.rejectedCount;
    if (reading.firstRejected.size() < shownRejectedLines)
        reading.firstRejected.push_back({lineNumber, std::move(reason)});
}

// The first pass: the layout from the first line that is not blank, and the date
// format from every date field. Returns the line number of that first line.
int findLayoutAndDates(ExportLines& lines, ExportReading& reading, bool detectDates) {
    std::string line;
    int layoutLine = 0;
    DateFormatDetector detector;
    while (lines.next(line)) {
        if (lines.number() == 1 && isUtf16(line)) {
            reading.error = "the file is UTF-16 text; save it as UTF-8 or ANSI text";
            return 0;
        }
        if (isBlank(line)) continue;
        if (layoutLine == 0) {
            LayoutDetection detection = detectLayout(line);
            if (!detection.layout) {
                reading.error = "line " + std::to_string(lines.number()) + ": " + detection.error;
                return 0;
            }
            reading.layout = std::move(*detection.layout);
            layoutLine = lines.number();
            if (!detectDates) break;
            if (reading.layout.hasHeader) continue;
        }
        const auto fields = splitFields(line, reading.layout.separator);
        if (static_cast<int>(fields.size()) > reading.layout.dateColumn)
            detector.see(fields[reading.layout.dateColumn]);
    }
    if (layoutLine == 0) {
        reading.error = "the file has no lines";
        return 0;
    }
    if (detectDates) {
        if (!detector.format()) {
            reading.error =
                "no line has a date in a known form (YYYY.MM.DD, YYYY-MM-DD, "
                "MM/DD/YYYY, DD.MM.YYYY, YYYYMMDD)";
            return 0;
        }
        reading.dateFormat = *detector.format();
        reading.dateOrderAssumed = detector.orderAssumed();
    }
    return layoutLine;
}

}  // namespace

ExportReading readExport(const std::string& path, std::optional<DateFormat> dateFormat) {
    ExportReading reading;
    int layoutLine = 0;
    {
        ExportLines lines;
        if (!lines.open(path)) {
            reading.error = "cannot be opened";
            return reading;
        }
        if (dateFormat) reading.dateFormat = *dateFormat;
        layoutLine = findLayoutAndDates(lines, reading, !dateFormat);
        if (!reading.error.empty()) return reading;
    }

    ExportLines lines;
    if (!lines.open(path)) {
        reading.error = "cannot be opened";
        return reading;
    }
    DailyCloseCollector collector;
    std::string line;
    while (lines.next(line)) {
        if (isBlank(line)) continue;
        if (lines.number() == layoutLine && reading.layout.hasHeader) continue;
        // readLine keeps the first maxLineLength characters of a line; a line that long
        // may have lost its close.
        if (line.size() >= maxLineLength) {
            std::string reason = "longer than ";
            reason.append(std::to_string(maxLineLength - 1)).append(" characters");
            reject(reading, lines.number(), std::move(reason));
            continue;
        }
        RowReading row = readExportRow(line, reading.layout, reading.dateFormat);
        if (!row.row) {
            reject(reading, lines.number(), std::move(row.rejection));
            continue;
        }
        ++reading.rowsTaken;
        collector.add(std::move(*row.row));
    }
    reading.days = collector.days();
    return reading;
}

}  // namespace fx::datatools
