#pragma once
// fxmonitor-import: price exports from trading terminals turned into the monitor's
// history files.

#include <ostream>
#include <string>
#include <vector>

#include "datatools/import_options.h"

namespace fx::datatools {

// Imports as the options say and reports each file to `out`. Returns the exit status:
// 0 when every file was written, 1 when any was not.
int runImport(const ImportOptions& options, std::ostream& out);

// The whole program: the command line, then runImport. A mistake in the command line
// goes to `err` with the usage, status 2.
int importCommand(std::vector<std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace fx::datatools
