#include "feed/feed_options.h"

#include <limits>

#include "text/command_line.h"

namespace fx::feed {

const char* const feedUsage =
    "Usage: fxfeed [--variant 17|17b|17c] [--interval-ms N] [--count N] [--seed N]\n"
    "              [--in-place] [--ticks TICKS_FILE] [FOLDER]\n"
    "Keeps the real-time files SYMBOL_RT.csv of FOLDER (default: the current folder)\n"
    "moving until Ctrl+C. Without --ticks the prices are a random walk that starts at the\n"
    "latest prices of the folder's history files SYMBOL.csv; every update moves them as\n"
    "much as a minute of trading, and the crosses stay consistent with their legs.\n"
    "  --variant V       write only that variant's fourteen files (default: all sixteen\n"
    "                    symbols); with --ticks, the header's pair table (default 17b)\n"
    "  --interval-ms N   time between updates (default 1000)\n"
    "  --count N         stop after N updates\n"
    "  --seed N          seed of the random walk (default: a new one each run)\n"
    "  --in-place        truncate and rewrite each file instead of replacing it whole\n"
    "                    (a reader may then see an empty or partial file)\n"
    "  --ticks FILE      write the prices of a ticks file in the replay's format, one\n"
    "                    price line per update (an empty field removes that file); stops\n"
    "                    at the end of the file\n"
    "A file that cannot be written is told once per cause; at the end, how many of its\n"
    "updates failed.\n"
    "Exit status: 0 done or stopped; 1 the folder or the ticks file cannot be read; 2 a\n"
    "usage error or a malformed ticks file; 3 stopped while updates of a file were failing.\n"
    "Examples:\n"
    "  cp sample/*.csv run/ && fxfeed run\n"
    "  fxfeed --variant 17b --interval-ms 250 --ticks session.ticks run\n";

namespace {

constexpr OptionSpec feedOptions[] = {
    {"--variant", true}, {"--interval-ms", true}, {"--count", true}, {"--seed", true},
    {"--ticks", true},   {"--in-place", false},   {"--help", false},
};

}  // namespace

ParsedFeedOptions parseFeedOptions(int argc, char** argv) {
    ParsedFeedOptions parsed;
    FeedOptions& options = parsed.options;
    bool folderGiven = false;
    ArgumentReader reader(argc, argv, feedOptions);
    auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    constexpr std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
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
        } else if (name == "--in-place") {
            options.mode = WriteMode::InPlace;
        } else if (name == "--variant") {
            options.variant = variantByName(value);
            if (!options.variant) return fail(std::string(variantOptionMistake));
        } else if (options.pace.read(argument, parsed.error)) {
            if (!parsed.error.empty()) return parsed;
        } else if (name == "--seed") {
            const auto seed = parseCount(value);
            if (!seed) return fail(countMessage(name, 0, most, value));
            options.seed = *seed;
        } else if (name == "--ticks") {
            if (value.empty()) return fail("--ticks needs a file name");
            options.ticksFile = value;
        }
    }
    if (!reader.error().empty()) return fail(reader.error());
    return parsed;
}

}  // namespace fx::feed
