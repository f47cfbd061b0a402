#include "datatools/folder_check.h"

#include <memory>
#include <system_error>

#include "datatools/line_diagnosis.h"
#include "prices/price_files.h"
#include "text/text_file.h"

namespace fx::datatools {

namespace {

std::string pathIn(const std::string& folder, const std::string& name) {
    return (std::filesystem::path(folder) / name).string();
}

// The tables come from the monitor's own reader; the lines are read a second time
// only for what the tables do not keep: the line count and the texts worth showing.
void checkHistory(const std::string& path, HistoryTable& table, HistoryCheck& check) {
    const std::optional<int> rows = readHistoryFile(path, table);
    if (!rows) return;
    check.found = true;
    check.linesRead = *rows;
    while (check.usableRows < *rows && table[check.usableRows].price != 0.0f) ++check.usableRows;
    if (*rows > 0) {
        check.firstDate = table[0].date;
        check.lastDate = table[*rows - 1].date;
    }

    InputTextFile file;
    if (!file.open(path)) return;
    std::string line;
    int lineNumber = 0;
    while (readLine(file, line)) {
        ++lineNumber;
        if (lineNumber > maxHistoryLines) {
            ++check.linesIgnored;
            continue;
        }
        const int row = lineNumber - 1;
        if (row == check.usableRows && row < *rows) {
            check.stop = LineNote{lineNumber, line, zeroPriceReason(line, lineNumber)};
        } else if (row < check.usableRows) {
            const std::string_view priceText = historyPriceText(line);
            if (const auto readPart = numberReadInPart(priceText)) {
                if (check.partlyReadLines++ == 0) {
                    check.firstPartlyRead = LineNote{lineNumber, line,
                                                     "the price text \"" + std::string(priceText) +
                                                         "\" is read as " + *readPart};
                }
            }
        }
    }
}

void checkRealtime(const std::string& path, std::filesystem::file_time_type now,
                   std::chrono::seconds staleAfter, RealtimeCheck& check) {
    const std::optional<std::string> firstLine = readFirstLine(path);
    if (!firstLine) {
        check.rejection = "missing";
        return;
    }
    check.found = true;
    check.firstLine = *firstLine;
    const std::optional<std::string> rejection = realtimeRejection(*firstLine);
    check.accepted = !rejection;
    if (rejection) check.rejection = *rejection;
    if (check.accepted) check.readInPart = numberReadInPart(*firstLine);

    std::error_code failure;
    const auto written = std::filesystem::last_write_time(path, failure);
    if (failure) return;
    // A file written after `now` (a clock a little ahead) is as fresh as can be.
    const auto age = std::chrono::duration_cast<std::chrono::seconds>(now - written);
    check.age = age.count() < 0 ? std::chrono::seconds(0) : age;
    check.stale = *check.age > staleAfter;
}

void checkAlignment(const std::array<HistoryTable, pairCount>& tables, FolderCheck& check) {
    for (int k = 0; k < pairCount; ++k) {
        if (k == datePair) continue;
        PairCheck& pair = check.pairs[k];
        for (int row = 0; row < check.referenceDays; ++row) {
            const std::string& date = tables[k][row].date;
            const std::string& shown = tables[datePair][row].date;
            if (date == shown) continue;
            if (pair.misalignedRows++ < static_cast<int>(shownRowsPerPair))
                pair.firstMisaligned.push_back({row, date, shown});
        }
    }
}

std::string plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

FolderCheck checkFolder(const Variant& variant, const std::string& folder,
                        std::filesystem::file_time_type now, std::chrono::seconds staleAfter) {
    FolderCheck check;
    check.variant = &variant;
    check.folder = folder;
    check.staleAfter = staleAfter;
    // Fourteen tables of 500 rows are too large for the stack.
    const auto tables = std::make_unique<std::array<HistoryTable, pairCount>>();
    for (int k = 0; k < pairCount; ++k) {
        PairCheck& pair = check.pairs[k];
        pair.symbol = std::string(variant.pairTable[k]);
        checkHistory(pathIn(folder, pair.symbol + ".csv"), (*tables)[k], pair.history);
        checkRealtime(pathIn(folder, pair.symbol + "_RT.csv"), now, staleAfter, pair.realtime);
    }
    check.referenceDays = completeHistoryRows(*tables);
    if (check.referenceDays < maxHistoryLines) {
        for (PairCheck& pair : check.pairs)
            pair.limitsReferenceDays = pair.history.usableRows == check.referenceDays;
    }
    checkAlignment(*tables, check);
    return check;
}

CheckVerdict judge(const FolderCheck& check) {
    CheckVerdict verdict;
    for (const PairCheck& pair : check.pairs) {
        if (pair.history.found) continue;
        verdict.status = CheckStatus::WouldStop;
        verdict.problems.push_back(pair.symbol +
                                   ".csv is missing: the monitor shows \"File opening error\" "
                                   "and ends");
    }
    std::vector<std::string> warnings;
    if (check.referenceDays < 2) {
        warnings.push_back("only " +
                           plural(check.referenceDays, "reference day", "reference days") +
                           " to choose from");
    }
    const std::string& datePairSymbol = check.pairs[datePair].symbol;
    std::string stale;
    for (const PairCheck& pair : check.pairs) {
        if (pair.misalignedRows > 0) {
            warnings.push_back(
                pair.symbol +
                ".csv: " + plural(pair.misalignedRows, "reference day has", "reference days have") +
                " another date than " + datePairSymbol + ".csv");
        }
        if (pair.history.partlyReadLines > 0) {
            warnings.push_back(pair.symbol + ".csv: the monitor reads only part of the price in " +
                               plural(pair.history.partlyReadLines, "line", "lines"));
        }
        const RealtimeCheck& realtime = pair.realtime;
        if (!realtime.accepted) {
            warnings.push_back(pair.symbol + "_RT.csv: not accepted: " + realtime.rejection);
        } else if (realtime.readInPart) {
            warnings.push_back(pair.symbol + "_RT.csv: accepted as " + *realtime.readInPart +
                               ", but the line goes on after it: \"" + realtime.firstLine + "\"");
        }
        if (realtime.stale) stale += (stale.empty() ? "" : ", ") + pair.symbol + "_RT.csv";
    }
    // A closed market leaves every file stale at once: one line says it.
    if (!stale.empty()) {
        warnings.push_back("not written for more than " + ageText(check.staleAfter) +
                           " (stale): " + stale);
    }
    if (!warnings.empty() && verdict.status == CheckStatus::Clean)
        verdict.status = CheckStatus::Warnings;
    verdict.problems.insert(verdict.problems.end(), warnings.begin(), warnings.end());
    return verdict;
}

std::string ageText(std::chrono::seconds age) {
    const long long seconds = age.count();
    const long long minutes = seconds / 60;
    const long long hours = minutes / 60;
    const long long days = hours / 24;
    if (seconds < 60) return std::to_string(seconds) + " s";
    if (minutes < 60) return std::to_string(minutes) + " min";
    if (hours < 24) return std::to_string(hours) + " h " + std::to_string(minutes % 60) + " min";
    return std::to_string(days) + " d " + std::to_string(hours % 24) + " h";
}

}  // namespace fx::datatools
