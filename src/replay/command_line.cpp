#include "replay/command_line.h"

#include <algorithm>
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
                        [--report FILE.html] [--study FILE.csv]
                        [--study-horizons M,M,...] [--note TEXT] TICKS_FILE

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
                      (the page ends with the alert study, below)
  --study FILE.csv    also write the alert study's table to FILE.csv
  --study-horizons L  the study's horizons in minutes of session time, comma
                      separated: up to 8 whole numbers from 1 to 10080
                      (15,60,240)
  --note TEXT         a sentence the report shows beside the study, e.g. on
                      where the session's ticks come from
  --help              print this text

The alert study: for every alert row, a BUY and a SELL basket of all fourteen
pairs opened at that tick at its prices, valued by the trade simulator's rule
(no costs, no spread) at the first tick each horizon later and at the session's
last tick; and the same for the baskets opened with !buy and !sell, closed or
not.
The CSV has a header and one row per rule, horizon and direction:
  rule         anchor, bias, grouped, slot, or baskets (the user's own)
  horizon      the minutes, or end (the session's last tick)
  direction    BUY or SELL
  alerts       the rule's alert rows (baskets: those opened in that direction)
  valued       how many the session lasted long enough to value
  mean, median, above_0_pct
               pips, and the percentage above 0 pips, with one decimal
  best, worst  pips
Where none could be valued, mean to worst are empty.

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
file is made; the --report and --study files are written only when the replay
went through.

Example:
  fxmonitor-replay --data sample --reference-day 0 --alert anchor \
      --alert slot=EURUSD:1 --slots slots.csv sample/ticks.csv
)";

constexpr OptionSpec replayOptions[] = {
    {"--variant", true}, {"--data", true},   {"--reference-day", true}, {"--alert", true},
    {"--slots", true},   {"--report", true}, {"--study", true},         {"--study-horizons", true},
    {"--note", true},    {"--help", false},  {"-h", false},
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
        if (name == "--study") {
            if (value.empty()) return fail("--study needs a file name");
            options.studyFile = std::string(value);
            return true;
        }
        if (name == "--study-horizons") return readHorizons(value);
        if (name == "--note") options.note = std::string(value);
        return true;
    }

    // "5,15,60": minutes, each once; kept in ascending order.
    bool readHorizons(std::string_view list) {
        std::vector<int> minutes;
        for (std::size_t start = 0; start <= list.size();) {
            const std::size_t comma = std::min(list.find(',', start), list.size());
            const std::string_view text = list.substr(start, comma - start);
            const auto horizon = parseIntCount(text, 1, maxStudyHorizonMinutes);
            if (!horizon)
                return fail(countMessage("--study-horizons: each horizon", 1,
                                         maxStudyHorizonMinutes, text));
            if (std::find(minutes.begin(), minutes.end(), *horizon) != minutes.end())
                return fail("--study-horizons names " + std::string(text) + " minutes twice");
            minutes.push_back(*horizon);
            start = comma + 1;
        }
        if (minutes.size() > maxStudyHorizons)
            return fail("--study-horizons takes at most " + std::to_string(maxStudyHorizons) +
                        " horizons, not " + std::to_string(minutes.size()));
        std::sort(minutes.begin(), minutes.end());
        options.studyHorizons = std::move(minutes);
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
