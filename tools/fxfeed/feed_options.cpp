#include "fxfeed/feed_options.h"

#include "common/command_line.h"

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
    "Examples:\n"
    "  cp sample/*.csv run/ && fxfeed run\n"
    "  fxfeed --variant 17b --interval-ms 250 --ticks session.ticks run\n";

ParsedFeedOptions parseFeedOptions(int argc, char** argv) {
    ParsedFeedOptions parsed;
    FeedOptions& options = parsed.options;
    bool folderGiven = false;
    tools::ArgumentReader arguments(argc, argv);
    auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };

    while (!arguments.done()) {
        const std::string argument = arguments.next();
        if (!tools::ArgumentReader::isOption(argument)) {
            if (folderGiven) return fail("only one folder may be given");
            options.folder = argument;
            folderGiven = true;
            continue;
        }
        if (argument == "--help" || argument == "--in-place") {
            if (arguments.hasInlineValue()) return fail(argument + " takes no value");
            if (argument == "--help") parsed.helpRequested = true;
            if (argument == "--in-place") options.mode = WriteMode::InPlace;
            continue;
        }
        if (argument != "--variant" && argument != "--interval-ms" && argument != "--count" &&
            argument != "--seed" && argument != "--ticks") {
            return fail("unknown option " + argument);
        }
        const auto value = arguments.value();
        if (!value) return fail(argument + " needs a value");
        if (argument == "--variant") {
            options.variant = variantByName(*value);
            if (!options.variant) return fail("--variant takes 17, 17b or 17c");
        } else if (argument == "--interval-ms") {
            const auto interval = tools::parseCount(*value, 86'400'000);
            if (!interval) return fail("--interval-ms takes a number of milliseconds");
            options.intervalMs = *interval;
        } else if (argument == "--count") {
            const auto count = tools::parseCount(*value);
            if (!count || *count == 0) return fail("--count takes a number from 1 on");
            options.count = *count;
        } else if (argument == "--seed") {
            const auto seed = tools::parseCount(*value);
            if (!seed) return fail("--seed takes a whole number");
            options.seed = *seed;
        } else if (argument == "--ticks") {
            if (value->empty()) return fail("--ticks needs a file name");
            options.ticksFile = *value;
        }
    }
    return parsed;
}

}  // namespace fx::feed
