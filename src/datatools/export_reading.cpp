#include "datatools/export_reading.h"

#include "datatools/export_lines.h"
#include "datatools/export_rows.h"

namespace fx::datatools {

namespace {

void reject(ExportReading& reading, int lineNumber, std::string reason) {
    noteRejectedLine(reading.rejectedCount, reading.firstRejected, lineNumber, std::move(reason));
}

// The first pass: the layout from the first line that is not blank, and the date
// format from every date field. Returns the line number of that first line.
int findLayoutAndDates(ExportLines& lines, ExportReading& reading, bool detectDates) {
    std::string line;
    int layoutLine = 0;
    DateFormatDetector detector;
    while (lines.next(line)) {
        if (lines.number() == 1 && isUtf16Text(line)) {
            reading.error = "the file is UTF-16 text; save it as UTF-8 or ANSI text";
            return 0;
        }
        if (isBlankLine(line)) continue;
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

void noteRejectedLine(int& count, std::vector<RejectedLine>& shown, int lineNumber,
                      std::string reason) {
    ++count;
    if (shown.size() < shownRejectedLines) shown.push_back({lineNumber, std::move(reason)});
}

void writeRejectedLines(std::ostream& out, int count, const std::vector<RejectedLine>& shown) {
    for (const RejectedLine& rejected : shown)
        out << "    line " << rejected.lineNumber << ": " << rejected.reason << "\n";
    if (static_cast<std::size_t>(count) > shown.size()) out << "    ...\n";
}

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
        if (isBlankLine(line)) continue;
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
