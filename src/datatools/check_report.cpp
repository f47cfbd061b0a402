#include "datatools/check_report.h"

#include "datatools/report_tables.h"

namespace fx::datatools {

namespace {

// Real-time lines are short; one that is not is cut, so the table stays readable.
std::string shortened(const std::string& text, std::size_t length) {
    if (text.size() <= length) return text;
    return text.substr(0, length - 3) + "...";
}

std::string quotedLine(const std::string& text) {
    std::string quoted = "\"";
    quoted += shortened(text, 60);
    quoted += '"';
    return quoted;
}

std::string realtimeCell(const RealtimeCheck& realtime) {
    if (!realtime.found) return "-";
    if (realtime.firstLine.empty()) return "(empty)";
    return shortened(realtime.firstLine, 16);
}

std::string acceptedCell(const RealtimeCheck& realtime) {
    if (!realtime.accepted) return "no: " + realtime.rejection;
    if (realtime.readInPart) return "as " + *realtime.readInPart;
    return "yes";
}

std::string ageCell(const RealtimeCheck& realtime) {
    if (!realtime.age) return "-";
    return ageText(*realtime.age) + (realtime.stale ? " (stale)" : "");
}

void writePairTable(std::ostream& out, const FolderCheck& check) {
    std::vector<TableRow> rows;
    rows.push_back({"Pair", "History", "Lines", "Past 499", "Usable", "First date", "Last date",
                    "Real-time", "Accepted", "Age"});
    for (const PairCheck& pair : check.pairs) {
        const HistoryCheck& history = pair.history;
        TableRow row{pair.symbol};
        if (history.found) {
            row.insert(row.end(),
                       {"found", std::to_string(history.linesRead),
                        std::to_string(history.linesIgnored), std::to_string(history.usableRows),
                        history.firstDate.empty() ? "-" : history.firstDate,
                        history.lastDate.empty() ? "-" : history.lastDate});
        } else {
            row.insert(row.end(), {"missing", "-", "-", "-", "-", "-"});
        }
        row.insert(row.end(), {realtimeCell(pair.realtime), acceptedCell(pair.realtime),
                               ageCell(pair.realtime)});
        rows.push_back(std::move(row));
    }
    writeAlignedTable(out, rows, {false, false, true, true, true});
}

void writeLineNotes(std::ostream& out, const FolderCheck& check) {
    bool any = false;
    for (const PairCheck& pair : check.pairs) {
        if (!pair.history.stop) continue;
        if (!any) out << "\nWhere the usable history stops (the price there is 0):\n";
        any = true;
        const LineNote& stop = *pair.history.stop;
        out << "  " << pair.symbol << ".csv line " << stop.lineNumber << ": " << stop.detail << ": "
            << quotedLine(stop.text) << "\n";
    }
    any = false;
    for (const PairCheck& pair : check.pairs) {
        if (!pair.history.firstPartlyRead) continue;
        if (!any) out << "\nPrices the monitor reads only in part:\n";
        any = true;
        const LineNote& note = *pair.history.firstPartlyRead;
        out << "  " << pair.symbol << ".csv line " << note.lineNumber;
        if (pair.history.partlyReadLines > 1)
            out << " and " << pair.history.partlyReadLines - 1 << " more";
        out << ": " << note.detail << ": " << quotedLine(note.text) << "\n";
    }
}

void writeReferenceDays(std::ostream& out, const FolderCheck& check) {
    out << "\nReference days: " << check.referenceDays;
    std::string limits;
    int limiting = 0;
    for (const PairCheck& pair : check.pairs) {
        if (!pair.limitsReferenceDays) continue;
        limits += (limits.empty() ? "" : ", ") + pair.symbol;
        ++limiting;
    }
    if (limiting == pairCount) {
        out << ", limited by all " << pairCount << " pairs alike";
    } else if (limiting > 0) {
        out << ", limited by " << limits;
    }
    if (check.referenceDays == maxHistoryLines) out << " (the most the monitor reads)";
    out << "\n";
}

void writeAlignment(std::ostream& out, const FolderCheck& check) {
    const std::string& datePairSymbol = check.pairs[datePair].symbol;
    out << "\nDates: the monitor takes row r of every pair as the date " << datePairSymbol
        << ".csv has in row r.\n";
    bool any = false;
    for (const PairCheck& pair : check.pairs) {
        if (pair.misalignedRows == 0) continue;
        any = true;
        out << "  " << pair.symbol << ".csv: " << pair.misalignedRows << " of "
            << check.referenceDays << " reference days differ\n";
        for (const Misalignment& row : pair.firstMisaligned) {
            out << "    row " << row.row << " (line " << row.row + 1 << "): \"" << row.date
                << "\", " << datePairSymbol << " \"" << row.datePairDate << "\"\n";
        }
        if (pair.misalignedRows > static_cast<int>(pair.firstMisaligned.size())) out << "    ...\n";
    }
    if (check.referenceDays == 0) {
        out << "  No reference days, so no dates to compare.\n";
    } else if (!any) {
        out << "  Every pair has " << datePairSymbol << "'s date in all " << check.referenceDays
            << " reference days.\n";
    }
}

const char* statusText(CheckStatus status) {
    switch (status) {
        case CheckStatus::Clean:
            return "the monitor would start cleanly, with aligned dates";
        case CheckStatus::WouldStop:
            return "the monitor would stop at start-up";
        case CheckStatus::Warnings:
            return "the monitor would start, with warnings";
        case CheckStatus::UsageError:
            break;
    }
    return "";
}

}  // namespace

void writeCheckReport(std::ostream& out, const FolderCheck& check, const CheckVerdict& verdict) {
    out << "Data folder " << check.folder << ", as fxmonitor-" << check.variant->name
        << " reads it\n\n";
    writePairTable(out, check);
    writeLineNotes(out, check);
    writeReferenceDays(out, check);
    writeAlignment(out, check);
    out << "\nStatus " << static_cast<int>(verdict.status) << ": " << statusText(verdict.status)
        << (verdict.problems.empty() ? ".\n" : ":\n");
    for (const std::string& problem : verdict.problems) out << "  - " << problem << "\n";
}

void writeCheckCsv(std::ostream& out, const FolderCheck& check) {
    writeCsvRow(out, {"pair",
                      "history_file",
                      "lines",
                      "lines_past_499",
                      "usable_rows",
                      "stop_line",
                      "stop_reason",
                      "stop_text",
                      "first_date",
                      "last_date",
                      "partly_read_lines",
                      "realtime_file",
                      "realtime_first_line",
                      "realtime_accepted",
                      "realtime_rejection",
                      "realtime_age_seconds",
                      "realtime_stale",
                      "misaligned_rows",
                      "first_misaligned_row",
                      "limits_reference_days",
                      "reference_days"});
    for (const PairCheck& pair : check.pairs) {
        const HistoryCheck& history = pair.history;
        const RealtimeCheck& realtime = pair.realtime;
        const auto yesNo = [](bool value) { return std::string(value ? "yes" : "no"); };
        const auto number = [](int value) { return std::to_string(value); };
        writeCsvRow(out, {pair.symbol,
                          history.found ? "found" : "missing",
                          number(history.linesRead),
                          number(history.linesIgnored),
                          number(history.usableRows),
                          history.stop ? number(history.stop->lineNumber) : "",
                          history.stop ? history.stop->detail : "",
                          history.stop ? history.stop->text : "",
                          history.firstDate,
                          history.lastDate,
                          number(history.partlyReadLines),
                          realtime.found ? "found" : "missing",
                          realtime.firstLine,
                          yesNo(realtime.accepted),
                          realtime.rejection,
                          realtime.age ? std::to_string(realtime.age->count()) : "",
                          yesNo(realtime.stale),
                          number(pair.misalignedRows),
                          pair.firstMisaligned.empty() ? "" : number(pair.firstMisaligned[0].row),
                          yesNo(pair.limitsReferenceDays),
                          number(check.referenceDays)});
    }
}

}  // namespace fx::datatools
