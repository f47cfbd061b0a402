#pragma once
// fxmonitor-record's command line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "monitor/variants.h"
#include "text/pacer.h"

namespace fx::record {

struct RecordOptions {
    const Variant* variant = &fx::variant(VariantId::V17b);
    PaceOptions pace;          // by default once a second, as the monitor reads; --count: reads
    std::string folder = ".";  // the real-time files
    std::string out = "ticks.csv";
    std::string dailyFolder;  // when given, a file per local day there instead of `out`
};

struct ParsedRecordOptions {
    RecordOptions options;
    bool helpRequested = false;
    std::string error;  // a usage error when not empty
};

// The arguments after the program's name.
ParsedRecordOptions parseRecordOptions(std::vector<std::string> arguments);

extern const char* const recordUsage;

}  // namespace fx::record
