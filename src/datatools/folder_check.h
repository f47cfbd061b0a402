#pragma once
// A data folder read as a monitor of one variant would read it at start-up and then
// every second: what it finds for each pair and what that means for the user.

#include <array>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "monitor/price_data.h"
#include "monitor/variants.h"

namespace fx::datatools {

// The monitor lists the dates of this pair index's history as the reference days.
inline constexpr int datePair = 7;
// How many misaligned rows, and how many partly read lines, a report shows per pair.
inline constexpr std::size_t shownRowsPerPair = 5;

struct LineNote {
    int lineNumber = 0;
    std::string text;    // the line as read
    std::string detail;  // what the monitor makes of it
};

struct HistoryCheck {
    bool found = false;
    int linesRead = 0;             // at most maxHistoryLines
    int linesIgnored = 0;          // the lines past them
    int usableRows = 0;            // leading rows with a price other than 0
    std::optional<LineNote> stop;  // the first row with price 0, when the file has one
    std::string firstDate;
    std::string lastDate;
    // Lines of the usable history whose price text goes on after its number in a way
    // that shows the monitor reads only part of it ("12:49,1.3677" read as 12).
    int partlyReadLines = 0;
    std::optional<LineNote> firstPartlyRead;
};

struct RealtimeCheck {
    bool found = false;
    std::string firstLine;
    bool accepted = false;
    std::string rejection;  // why not accepted: "missing", "empty", "not a number", ...
    std::optional<std::string> readInPart;  // accepted, but only this much of the line
    std::optional<std::chrono::seconds> age;
    bool stale = false;
};

struct Misalignment {
    int row = 0;
    std::string date;
    std::string datePairDate;
};

struct PairCheck {
    std::string symbol;
    HistoryCheck history;
    RealtimeCheck realtime;
    int misalignedRows = 0;
    std::vector<Misalignment> firstMisaligned;  // at most shownRowsPerPair
    bool limitsReferenceDays = false;
};

struct FolderCheck {
    const Variant* variant = nullptr;
    std::string folder;
    std::chrono::seconds staleAfter{0};
    std::array<PairCheck, pairCount> pairs;
    int referenceDays = 0;  // the monitor's historyRowCount
};

// `now` on the clock of file times; a real-time file older than `staleAfter` is stale.
FolderCheck checkFolder(const Variant& variant, const std::string& folder,
                        std::filesystem::file_time_type now, std::chrono::seconds staleAfter);

// The exit statuses of fxmonitor-check.
enum class CheckStatus { Clean = 0, WouldStop = 1, UsageError = 2, Warnings = 3 };

struct CheckVerdict {
    CheckStatus status = CheckStatus::Clean;
    std::vector<std::string> problems;  // each a sentence for the user, failures first
};

CheckVerdict judge(const FolderCheck& check);

// "45 s", "12 min", "3 h 5 min", "2 d 4 h": a file's age as the reports show it.
std::string ageText(std::chrono::seconds age);

}  // namespace fx::datatools
