#pragma once
// History files as the importers write them: one "MM-DD-YYYY,close" line per day, in the
// order the options ask for, written whole or not at all, and a line of report for each.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "datatools/daily_closes.h"
#include "datatools/import_options.h"

namespace fx::datatools {

// Writes OUT/SYMBOL.csv from the newest options.days of `days` (oldest first) and reports
// "wrote OUT/SYMBOL.csv: N days, FIRST to LAST, oldest first" with `note` after it; on a
// failure, "SOURCE: nothing written: why". `days` is cut to the days written.
bool writeHistoryFile(const ImportOptions& options, const std::string& symbol,
                      std::vector<DailyClose>& days, const std::string& source,
                      std::string_view note, std::ostream& out);

// "N days" or "1 day": the reports count many things this way.
std::string counted(std::size_t count, std::string_view one, std::string_view many);

}  // namespace fx::datatools
