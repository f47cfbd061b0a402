#pragma once
// fxmonitor-record's loop: one read of a folder's fourteen real-time files per interval,
// each read one line of a ticks file.

#include <functional>
#include <ostream>
#include <string>

#include "record/record_options.h"
#include "text/clock.h"

namespace fx::record {

inline constexpr int recordStopped = 0;
inline constexpr int recordFailed = 1;  // no folder to read, or a line not written
inline constexpr int recordUsageError = 2;

// Reads until the count is reached or `nextReadDue`, asked before every read and waiting
// until it is due, says to stop. A line's time is the clock's when its read starts.
// Messages go to `messages`. Returns the exit status.
int runRecorder(const RecordOptions& options, const Clock& clock,
                const std::function<bool()>& nextReadDue, std::ostream& messages);

// The file of the day of `time` in a --daily folder: FOLDER/ticks-YYYY-MM-DD.csv.
std::string dailyFilePath(const std::string& folder, const LocalTime& time);

}  // namespace fx::record
