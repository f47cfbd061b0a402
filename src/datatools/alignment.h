#pragma once
// The monitor takes row r of every history file as the same day, so files imported
// together may keep only the days they all have.

#include <cstddef>
#include <vector>

#include "datatools/daily_closes.h"

namespace fx::datatools {

// Keeps in every list (each oldest first) only the dates that all of them hold.
void keepCommonDates(const std::vector<std::vector<DailyClose>*>& lists);

// Keeps the newest `count` days of an oldest-first list.
void keepNewest(std::vector<DailyClose>& days, std::size_t count);

}  // namespace fx::datatools
