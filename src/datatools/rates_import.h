#pragma once
// fxmonitor-import --rates: a table of daily reference rates turned into the history files
// of the monitor's pairs, and on request their start-up real-time files. Every pair is
// crossed through the table's base currency: with rates per US dollar,
// GBPJPY = (JPY per dollar) / (GBP per dollar) and EURUSD = 1 / (EUR per dollar).

#include <ostream>

#include "datatools/import_options.h"

namespace fx::datatools {

// Imports the table as the options say and reports to `out`. Returns the exit status:
// 0 when every pair was written, 1 when any was not.
int runRatesImport(const ImportOptions& options, std::ostream& out);

}  // namespace fx::datatools
