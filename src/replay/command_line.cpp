#include "replay/command_line.h"

#include <vector>

#include "monitor/pairs.h"
#include "text/command_line.h"

namespace fx {

namespace {

constexpr std::string_view usage =
    R"(Usage: fxmonitor-replay [--variant 17|17b|17c] [--data DIR]
                        [--reference-day N|MM-DD-YYYY]
                        [--alert anchor] [--alert bias] [--alert grouped]
                        [--alert slot=SYMBOL:SLOT] [--slots FILE]
                        [--report FILE.html] TICKS_FILE

Runs the monitor's own engine (ranking, alerts, trade simulator, event log) over
a recorded session and prints the event log, oldest row first, one row a line:
MM-DD-YYYY,HH:MM:SS,description

  --variant V         build variant whose pair table and behaviour apply (17b)
  --data DIR          folder of the 14 history files SYMBOL.csv and the start-up
                      real-time files SYMBOL_RT.csv (the current folder)
  --reference-day D   choose the reference day before the first tick: a list
                      position (0 is the first) or a date MM-DD-YYYY
  --alert RULE        switch an alert on from the start, with no sound:
                      anchor, bias, grouped, or slot=SYMBOL:SLOT (slot 1-14)
  --slots FILE        also write one CSV row per ranking run to FILE
  --report FILE.html  also write the session report to FILE.html: one page that
                      opens offline in a browser, with a summary, charts of the
                      pair moves, the five measures, the slots (anchors marked),
                      the alert rows and the baskets' running pips, a table of
                      each day's alert rows per rule (count, first, last) and a
                      table of the baskets; charts of long sessions keep each
                      interval's lowest and highest values, the tables are exact
  --help              print this text

Options may be written --opt value or --opt=value; a repeated option's last
value wins, except --alert, which adds up.

TICKS_FILE (lines end with CR LF, LF or CR; empty lines and # lines are ignored):
  time,GBPUSD,EURGBP,...           header: "time" and the variant's 14 symbols
  MM-DD-YYYY HH:MM:SS,p1,...,p14   one real-time tick; each field is the first
                                   line of that pair's real-time file, an empty
                                   field a missing file
  !reference N|MM-DD-YYYY   !buy   !sell   !close   !clear   !interval M
  !alert anchor|bias|grouped on|off   !alert slot SYMBOL SLOT   !alert slot off
A last line without its line end that does not read (a recording cut off while
it was written) is left out, with a message.
Actions act at the time of the latest price line (before the first one, at the
time of the first). An action whose control is disabled at that moment is
refused with a message, and the replay goes on.

Real-time mode is switched on as the first price line is read, and stays on.
With no reference day chosen by then, the monitor still has its "Real-Time
Mode" box disabled; the replay switches it on all the same, and the ranking
then measures against reference row 0 until a reference day is chosen.

Exit status: 0 done; 1 a history file is missing; 2 a usage error or a
malformed ticks file. On an error nothing is written to stdout and no --slots
file is made; the --report file is written only when the replay went through.

Example:
  fxmonitor-replay --data sample --reference-day 0 --alert anchor \
      --alert slot=EURUSD:1 --slots slots.csv sample/ticks.csv
)";

constexpr OptionSpec replayOptions[] = {
    {"--variant", true}, {"--data", true},   {"--reference-day", true}, {"--alert", true},
    {"--slots", true},   {"--report", true}, {"--help", false},         {"-h", false},
};

struct Parser {
    ReplayOptions options;
    std::vector<std::string> alertTexts;
    std::string error;
    bool ticksFileSeen = false;

    bool fail(std::string what) {
        error = std::move(what);
        return false;
    }

    bool setOption(std::string_view name, std::string_view value) {
        if (name == "--variant") {
            options.variant = variantByName(value);
            if (!options.variant)
                return fail("--variant must be 17, 17b or 17c, not " + quotedForMessage(value));
            return true;
        }
        if (name == "--data") {
            options.dataFolder = std::string(value);
            if (!value.empty() && value.back() != '/' && value.back() != '\\')
                options.dataFolder += '/';
            return true;
        }
        if (name == "--reference-day") {
            options.referenceDay = parseReferenceChoice(value);
            if (!options.referenceDay)
                return fail(
                    "--reference-day needs a list position (0, 1, ...) or a date "
                    "MM-DD-YYYY, not " +
                    quotedForMessage(value));
            return true;
        }
        if (name == "--alert") {
            alertTexts.emplace_back(value);
            return true;
        }
        if (name == "--slots") {
            if (value.empty()) return fail("--slots needs a file name");
            options.slotsFile = std::string(value);
            return true;
        }
        if (name == "--report") {
            if (value.empty()) return fail("--report needs a file name");
            options.reportFile = std::string(value);
            return true;
        }
        return true;
    }

    // The pair of slot=SYMBOL:SLOT belongs to the variant, which a later --variant may
    // still change; so the alerts are read once the whole line is known.
    bool readAlert(std::string_view text) {
        AlertSetting setting;
        const std::optional<AlertKind> rule = alertKindNamed(text);
        if (rule && *rule != pairInSlot) {
            setting.rule = *rule;
        } else if (text.starts_with("slot=") && text.find(':') != std::string_view::npos) {
            const std::string_view target = text.substr(5);
            const std::size_t colon = target.find(':');
            setting.rule = pairInSlot;
            setting.pair = pairIndexOf(*options.variant, target.substr(0, colon));
            if (setting.pair < 0)
                return fail("--alert slot=: " + quotedForMessage(target.substr(0, colon)) +
                            " is not a pair of variant " + std::string(options.variant->name));
            const auto slot = parseIntCount(target.substr(colon + 1), 1, pairCount);
            if (!slot)
                return fail(countMessage("--alert slot=SYMBOL:SLOT", 1, pairCount,
                                         target.substr(colon + 1)));
            setting.slot = *slot;
        } else {
            return fail("--alert must be anchor, bias, grouped or slot=SYMBOL:SLOT, not " +
                        quotedForMessage(text));
        }
        options.alerts.push_back(setting);
        return true;
    }

    bool parse(std::span<const std::string_view> arguments) {
        options.variant = &variant(VariantId::V17b);
        ArgumentReader reader(std::vector<std::string>(arguments.begin(), arguments.end()),
                              replayOptions);
        Argument argument;
        while (reader.next(argument)) {
            if (argument.name == "--help" || argument.name == "-h") {
                options.help = true;
            } else if (argument.isOption) {
                if (!setOption(argument.name, argument.value)) return false;
            } else if (ticksFileSeen) {
                return fail("only one ticks file may be given; " + quotedForMessage(argument.name) +
                            " is a second one");
            } else {
                options.ticksFile = argument.name;
                ticksFileSeen = true;
            }
        }
        if (!reader.error().empty()) return fail(reader.error());
        for (const std::string& text : alertTexts)
            if (!readAlert(text)) return false;
        if (!options.help && !ticksFileSeen) return fail("no ticks file given");
        return true;
    }
};

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> arguments) {
    Parser parser;
    if (!parser.parse(arguments)) return {std::nullopt, parser.error};
    return {std::move(parser.options), ""};
}

std::string_view usageText() { return usage; }

}  // namespace fx
