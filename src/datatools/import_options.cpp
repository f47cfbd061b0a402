#include "datatools/import_options.h"

#include "datatools/symbol_names.h"
#include "text/command_line.h"

namespace fx::datatools {

const char* const importUsage =
    "Usage: fxmonitor-import [options] FILE... --out DIR\n"
    "\n"
    "Turns price exports from a trading terminal into the monitor's history files:\n"
    "DIR/SYMBOL.csv, one line MM-DD-YYYY,close per day, each ended by CR LF.\n"
    "\n"
    "Reads MetaTrader 4 history exports (2009.01.05,12:49,1.3677,1.3678,1.3676,1.3676,8),\n"
    "MetaTrader 5 exports (tab separated, header <DATE> <TIME> <OPEN> <HIGH> <LOW> <CLOSE>)\n"
    "and CSV files whose header names a date and a close column (Date,Open,High,Low,Close),\n"
    "with fields separated by \",\", \";\" or tabs. Intraday rows become one row per day, holding\n"
    "the day's last close. The pair comes from the file name: EURUSD.csv, EURUSDm.csv,\n"
    "EURUSD.i_Daily.csv and FX_EURUSD.csv all give EURUSD.csv.\n"
    "\n"
    "Options:\n"
    "  --out DIR             the folder to write into; made when missing\n"
    "  --symbol SYMBOL       the pair, when the file name does not say it (one FILE only)\n"
    "  --days N              keep the newest N days, 1 to 499 (default 499, the most the\n"
    "                        monitor reads)\n"
    "  --oldest-first        the oldest day on the first line (the default)\n"
    "  --newest-first        the newest day on the first line\n"
    "  --align               keep only the dates that every FILE has, so that line r is the\n"
    "                        same day in every file written; nothing is written when a FILE\n"
    "                        gives no rows\n"
    "  --date-format FORMAT  how the dates are written, for a file that does not show it:\n"
    "                        YYYY.MM.DD, YYYY-MM-DD, YYYYMMDD, MM/DD/YYYY, DD/MM/YYYY,\n"
    "                        DD.MM.YYYY, MM-DD-YYYY, DD-MM-YYYY (worked out from the file\n"
    "                        when not given)\n"
    "  --help                this text\n"
    "\n"
    "Every rejected line is counted and the first few are shown with their line numbers.\n"
    "A file is written whole or not at all, and not at all when it gets no rows.\n"
    "\n"
    "Example: the fourteen daily exports of a MetaTrader 4 terminal, aligned:\n"
    "  fxmonitor-import --align --out data exports/GBPUSD1440.csv exports/EURGBP1440.csv ...\n"
    "\n"
    "Exit status: 0 every FILE written; 1 a FILE not written (no rows, unreadable, or the\n"
    "folder not writable); 2 a mistake in the command line.\n";

namespace {

constexpr OptionSpec importOptions[] = {
    {"--out", true},         {"--symbol", true},        {"--days", true},
    {"--date-format", true}, {"--newest-first", false}, {"--oldest-first", false},
    {"--align", false},      {"--help", false},
};

}  // namespace

ParsedImportOptions parseImportOptions(std::vector<std::string> arguments) {
    ParsedImportOptions parsed;
    ImportOptions& options = parsed.options;
    ArgumentReader reader(std::move(arguments), importOptions);
    bool orderGiven = false;
    const auto fail = [&](std::string error) {
        parsed.error = std::move(error);
        return parsed;
    };
    Argument argument;
    while (reader.next(argument)) {
        const std::string& name = argument.name;
        const std::string& value = argument.value;
        if (!argument.isOption) {
            options.files.push_back(name);
        } else if (name == "--help") {
            parsed.helpRequested = true;
        } else if (name == "--out") {
            options.outFolder = value;
        } else if (name == "--symbol") {
            if (!isSymbolText(value)) return fail("--symbol takes six letters, such as EURUSD");
            options.symbol = upperCase(value);
        } else if (name == "--days") {
            const std::optional<int> days = parseIntCount(value, 1, maxHistoryLines);
            if (!days) return fail(countMessage("--days", 1, maxHistoryLines, value));
            options.days = *days;
        } else if (name == "--date-format") {
            options.dateFormat = dateFormatByName(value);
            if (!options.dateFormat)
                return fail(
                    "--date-format takes a form such as YYYY.MM.DD, MM/DD/YYYY or DD.MM.YYYY");
        } else if (name == "--newest-first" || name == "--oldest-first") {
            const bool newestFirst = name == "--newest-first";
            if (orderGiven && newestFirst != options.newestFirst)
                return fail("--newest-first and --oldest-first cannot both be given");
            options.newestFirst = newestFirst;
            orderGiven = true;
        } else if (name == "--align") {
            options.align = true;
        }
    }
    if (!reader.error().empty()) return fail(reader.error());
    if (parsed.helpRequested) return parsed;
    if (options.files.empty()) return fail("no FILE given");
    if (options.outFolder.empty()) return fail("--out DIR is missing");
    if (options.symbol && options.files.size() > 1)
        return fail("--symbol can name the pair of one FILE only");
    return parsed;
}

}  // namespace fx::datatools
