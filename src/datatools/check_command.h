#pragma once
// fxmonitor-check: a data folder read as the monitor would read it, with a report of
// everything that would stop it, limit it or mislead its user.

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "monitor/variants.h"

namespace fx::datatools {

struct CheckOptions {
    const Variant* variant = &fx::variant(VariantId::V17b);
    std::string folder = ".";
    bool csv = false;
    // A trading terminal rewrites a real-time file on every price change; a quiet pair
    // may go a few minutes without one.
    std::chrono::seconds staleAfter{300};
};

struct ParsedCheckOptions {
    CheckOptions options;
    bool helpRequested = false;
    std::string error;  // a mistake in the command line, when not empty
};

ParsedCheckOptions parseCheckOptions(std::vector<std::string> arguments);

extern const char* const checkUsage;

// Checks as the options say and reports to `out`; returns the exit status.
int runCheck(const CheckOptions& options, std::filesystem::file_time_type now, std::ostream& out);

// The whole program: the command line, then runCheck at the current time.
int checkCommand(std::vector<std::string> arguments, std::ostream& out, std::ostream& err);

}  // namespace fx::datatools
