#pragma once
// The event log: rows of date, time and description in the main window's list,
// newest on top. The list is the only copy of the rows.

#include <string>
#include <string_view>

#include "text/clock.h"

namespace fx {

struct Monitor;

// A row's cells: date, time, description.
inline constexpr int eventLogColumnCount = 3;

void logEvent(Monitor& monitor, std::string_view description);
// The name "Save Log" gives its file: "MM-DD-YYYY_HHMM.txt". The hour and the minute come
// from the same reading as the date, so a save at a full hour cannot be named after the
// hour before.
std::string saveFileName(const LocalTime& time);
// File menu "Save Log": every row, newest first, to MM-DD-YYYY_HHMM.txt.
void saveLog(Monitor& monitor);
// File menu "Clear Log": asks first.
void clearLog(Monitor& monitor);

}  // namespace fx
