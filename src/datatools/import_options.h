#pragma once
// fxmonitor-import's command line.

#include <optional>
#include <string>
#include <vector>

#include "datatools/dates.h"
#include "monitor/price_data.h"
#include "monitor/variants.h"

namespace fx::datatools {

struct ImportOptions {
    std::vector<std::string> files;
    std::string outFolder;
    std::optional<std::string> symbol;  // only with one file
    int days = maxHistoryLines;
    bool newestFirst = false;
    bool align = false;
    std::optional<DateFormat> dateFormat;  // worked out per file when nothing
    // A reference-rate table in the place of the FILEs.
    std::string ratesFile;
    std::string rateBase = "USD";
    const Variant* variant = nullptr;  // the pairs made from the table; v17b's when none
    bool allSymbols = false;           // all sixteen pairs of the three variants instead
    bool writeRealtime = false;        // the start-up real-time files too
};

struct ParsedImportOptions {
    ImportOptions options;
    bool helpRequested = false;
    std::string error;  // a mistake in the command line, when not empty
};

ParsedImportOptions parseImportOptions(std::vector<std::string> arguments);

extern const char* const importUsage;

}  // namespace fx::datatools
