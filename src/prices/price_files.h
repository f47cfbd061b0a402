#pragma once
// Reading the history files and the real-time files. The readers here are the
// same code the monitor, the replay and the data tools run.

#include <optional>
#include <string>
#include <string_view>

#include "monitor/price_data.h"

namespace fx {

struct Monitor;

// One line of a history file: the date is characters 1 to 10 (fewer for a shorter line),
// character 11 is skipped whatever it is, and the price is parseNumber of the price text,
// characters 12 on (empty for a line of 11 characters or fewer).
HistoryRow historyRowOf(std::string_view line);
std::string_view historyPriceText(std::string_view line);

// Fills rows 0 to 498 from the file's lines (date: characters 1 to 10; price:
// parseNumber of characters 12 on). Returns the number of rows stored, or nothing
// when the file cannot be opened. Rows past the stored ones are left as they were.
std::optional<int> readHistoryFile(const std::string& path, HistoryTable& table);

// The number of leading rows (at most 499) in which every table has a non-zero price.
int completeHistoryRows(const std::array<HistoryTable, pairCount>& tables);

// A pair's real-time file: the symbol and "_RT.csv".
std::string realtimeFileName(std::string_view symbol);

// The first line of a file (empty for an empty file), or nothing when it cannot be opened.
// Opened shared, so the program writing the file is never held up.
std::optional<std::string> readFirstLine(const std::string& path);

// A real-time price is taken only when it lies strictly between 0 and 500, both as
// read and as stored in single precision.
bool isAcceptedRealtimePrice(double value);

// Start-up: the fourteen history files and the start-up real-time files, by bare
// name in the working folder; a missing history file shows its message and clears
// keepRunning. Sets historyRowCount.
void loadHistory(Monitor& monitor);

// One real-time read: programDirectory + symbol + "_RT.csv" for every pair; a missing
// file shows "Realtime file not found: " with its path; prices outside (0, 500) are ignored.
void loadRealtime(Monitor& monitor);

}  // namespace fx
