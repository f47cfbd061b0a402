#include "record/record_options.h"

#include "text/command_line.h"

namespace fx::record {

const char* const recordUsage =
    "Usage: fxmonitor-record [--variant 17|17b|17c] [--interval-ms N] [--count N]\n"
    "                        [--out FILE | --daily DIR] [FOLDER]\n"
    "Reads the fourteen real-time files SYMBOL_RT.csv of FOLDER (default: the current\n"
    "folder) as the monitor's real-time mode does, once per interval, and appends one\n"
    "line per read to a ticks file that fxmonitor-replay and fxfeed --ticks play back:\n"
    "the time from this computer's clock, then each file's first line up to its first\n"
    "comma (empty: the file was missing; one blank: the file held nothing before a\n"
    "comma). Each line is written whole, so a recording stopped at any moment replays\n"
    "up to its last line. Ctrl+C stops it.\n"
    "  --variant V       the variant's fourteen pairs, in the header's order (17b)\n"
    "  --interval-ms N   time between reads (default 1000, as the monitor reads)\n"
    "  --count N         stop after N reads\n"
    "  --out FILE        the ticks file (default ticks.csv in the current folder); a\n"
    "                    recording of the same variant there is added to, under its\n"
    "                    header; a file of another kind is refused\n"
    "  --daily DIR       a new file per local day instead: DIR/ticks-YYYY-MM-DD.csv\n"
    "Exit status: 0 stopped; 1 FOLDER is no folder, or a line could not be written\n"
    "(a full disk, a folder gone: the lines before it are kept); 2 a usage error, or\n"
    "an existing file that is not a ticks file of the variant.\n"
    "Examples:\n"
    "  fxmonitor-record --out session.csv C:\\MT4\\MQL4\\Files\n"
    "  fxmonitor-replay --data C:\\MT4\\MQL4\\Files --alert anchor session.csv\n"
    "  fxmonitor-record --variant 17 --daily recordings\n";

namespace {

constexpr OptionSpec recordOptions[] = {
    {"--variant", true}, {"--interval-ms", true}, {"--count", true},
    {"--out", true},     {"--daily", true},       {"--help", false},
};

}  // namespace

ParsedRecordOptions parseRecordOptions(std::vector<std::string> arguments) {
    ParsedRecordOptions parsed;
    RecordOptions& options = parsed.options;
    bool folderGiven = false;
    bool outGiven = false;
    ArgumentReader reader(std::move(arguments), recordOptions);
    auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    Argument argument;
    while (reader.next(argument)) {
        const std::string& name = argument.name;
        const std::string& value = argument.value;
        if (!argument.isOption) {
            if (folderGiven) return fail("only one folder may be given");
            options.folder = name;
            folderGiven = true;
        } else if (name == "--help") {
            parsed.helpRequested = true;
        } else if (name == "--variant") {
            options.variant = variantByName(value);
            if (!options.variant) return fail(std::string(variantOptionMistake));
        } else if (options.pace.read(argument, parsed.error)) {
            if (!parsed.error.empty()) return parsed;
        } else if (name == "--out" || name == "--daily") {
            if (value.empty()) return fail(name + " needs a name");
            (name == "--out" ? options.out : options.dailyFolder) = value;
            outGiven = outGiven || name == "--out";
        }
    }
    if (!reader.error().empty()) return fail(reader.error());
    if (outGiven && !options.dailyFolder.empty())
        return fail("--out and --daily cannot be given together");
    return parsed;
}

}  // namespace fx::record
