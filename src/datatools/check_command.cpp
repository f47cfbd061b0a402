#include "datatools/check_command.h"

#include <system_error>

#include "datatools/check_report.h"
#include "datatools/folder_check.h"
#include "text/command_line.h"

namespace fx::datatools {

const char* const checkUsage =
    "Usage: fxmonitor-check [--variant 17|17b|17c] [--csv] [--stale-after SECONDS] [DIR]\n"
    "\n"
    "Reads the data folder DIR (default: the current folder) as the chosen monitor would:\n"
    "the fourteen history files SYMBOL.csv at start-up, and the real-time files\n"
    "SYMBOL_RT.csv as it reads them every second from its own folder (taken to be DIR).\n"
    "Reports for each pair the lines read, the rows with a usable price and where and why\n"
    "the usable history stops, the first and last date, and whether the real-time file's\n"
    "first line is accepted and how old the file is; then the number of reference days\n"
    "the monitor will offer, which pairs limit it, and every reference day on which a\n"
    "pair's date differs from EURUSD's (the monitor would compare prices of different days).\n"
    "\n"
    "Options:\n"
    "  --variant V           the monitor's build: 17, 17b (the default) or 17c\n"
    "  --csv                 one CSV row per pair instead of the readable report\n"
    "  --stale-after SECONDS a real-time file not written for longer is stale (default 300)\n"
    "  --help                this text\n"
    "\n"
    "Example:\n"
    "  fxmonitor-check --variant 17c data\n"
    "\n"
    "Exit status: 0 the monitor would start cleanly, with aligned dates; 1 it would stop\n"
    "(a history file missing); 2 a mistake in the command line; 3 it would start, with\n"
    "warnings (misaligned dates, real-time files rejected or stale, prices read only in\n"
    "part, fewer than 2 reference days).\n";

namespace {

constexpr OptionSpec checkOptions[] = {
    {"--variant", true}, {"--stale-after", true}, {"--csv", false}, {"--help", false}};

}  // namespace

ParsedCheckOptions parseCheckOptions(std::vector<std::string> arguments) {
    ParsedCheckOptions parsed;
    CheckOptions& options = parsed.options;
    ArgumentReader reader(std::move(arguments), checkOptions);
    bool folderGiven = false;
    const auto fail = [&](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };
    Argument argument;
    while (reader.next(argument)) {
        if (!argument.isOption) {
            if (folderGiven) return fail("more than one DIR given");
            options.folder = argument.name;
            folderGiven = true;
        } else if (argument.name == "--variant") {
            options.variant = variantByName(argument.value);
            if (!options.variant) return fail(std::string(variantOptionMistake));
        } else if (argument.name == "--stale-after") {
            const std::optional<int> seconds = parseIntCount(argument.value, 1, 100000000);
            if (!seconds) return fail(countMessage("--stale-after", 1, 100000000, argument.value));
            options.staleAfter = std::chrono::seconds(*seconds);
        } else if (argument.name == "--csv") {
            options.csv = true;
        } else if (argument.name == "--help") {
            parsed.helpRequested = true;
        }
    }
    if (!reader.error().empty()) return fail(reader.error());
    return parsed;
}

int runCheck(const CheckOptions& options, std::filesystem::file_time_type now, std::ostream& out) {
    const FolderCheck check =
        checkFolder(*options.variant, options.folder, now, options.staleAfter);
    const CheckVerdict verdict = judge(check);
    if (options.csv) {
        writeCheckCsv(out, check);
    } else {
        writeCheckReport(out, check, verdict);
    }
    return static_cast<int>(verdict.status);
}

int checkCommand(std::vector<std::string> arguments, std::ostream& out, std::ostream& err) {
    const ParsedCheckOptions parsed = parseCheckOptions(std::move(arguments));
    if (parsed.helpRequested) {
        out << checkUsage;
        return 0;
    }
    if (!parsed.error.empty()) {
        err << "fxmonitor-check: " << parsed.error << "\n\n" << checkUsage;
        return static_cast<int>(CheckStatus::UsageError);
    }
    std::error_code failure;
    if (!std::filesystem::is_directory(parsed.options.folder, failure)) {
        err << "fxmonitor-check: " << parsed.options.folder << " is not a folder\n";
        return static_cast<int>(CheckStatus::UsageError);
    }
    return runCheck(parsed.options, std::filesystem::file_time_type::clock::now(), out);
}

}  // namespace fx::datatools
