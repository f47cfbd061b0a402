#include "datatools/rates_import.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "datatools/history_output.h"
#include "datatools/market.h"
#include "datatools/rate_table.h"
#include "text/text_file.h"

namespace fx::datatools {

namespace {

// A pair's two currencies as indexes into the table's currencies; nothing stands for the
// table's base currency, whose rate is 1 every day.
struct PairCurrencies {
    std::string symbol;
    std::optional<std::size_t> base;
    std::optional<std::size_t> quote;
};

std::vector<std::string> pairsAsked(const ImportOptions& options) {
    if (options.allSymbols) return {market::knownSymbols.begin(), market::knownSymbols.end()};
    const Variant& table = options.variant ? *options.variant : variant(VariantId::V17b);
    return {table.pairTable.begin(), table.pairTable.end()};
}

// The currencies the pairs need, base currency left out, in alphabetical order.
std::vector<std::string> currenciesOf(const std::vector<std::string>& symbols,
                                      const std::string& tableBase) {
    std::vector<std::string> codes;
    for (const std::string& symbol : symbols) {
        for (const std::string& code : {symbol.substr(0, 3), symbol.substr(3)}) {
            if (code != tableBase && std::find(codes.begin(), codes.end(), code) == codes.end())
                codes.push_back(code);
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

PairCurrencies pairCurrencies(const std::string& symbol, const std::vector<std::string>& codes) {
    const auto indexOf = [&](const std::string& code) -> std::optional<std::size_t> {
        const auto at = std::find(codes.begin(), codes.end(), code);
        if (at == codes.end()) return std::nullopt;
        return static_cast<std::size_t>(at - codes.begin());
    };
    return {symbol, indexOf(symbol.substr(0, 3)), indexOf(symbol.substr(3))};
}

// "AUD, CAD, CHF"
std::string listed(const std::vector<std::string>& codes) {
    std::string list;
    for (const std::string& code : codes) list += (list.empty() ? "" : ", ") + code;
    return list;
}

std::optional<double> rateOn(const RateDay& day, std::optional<std::size_t> currency) {
    if (!currency) return 1.0;
    return day.rates[*currency];
}

bool hasBothRates(const RateDay& day, const PairCurrencies& pair) {
    return rateOn(day, pair.base) && rateOn(day, pair.quote);
}

// The pair's price: units of its second currency per unit of its first.
std::string priceText(const PairCurrencies& pair, double baseRate, double quoteRate) {
    return market::priceText(pair.symbol, quoteRate / baseRate);
}

std::string missingRatesText(const PairCurrencies& pair, const std::vector<std::string>& codes) {
    std::string text;
    for (const auto currency : {pair.base, pair.quote})
        if (currency) text += (text.empty() ? "" : " or ") + codes[*currency];
    return text;
}

void reportTable(const ImportOptions& options, const RateTable& table, std::ostream& out) {
    out << options.ratesFile << ": ";
    if (!table.error.empty()) {
        out << table.error << "\n";
        return;
    }
    out << "reference rates against " << options.rateBase << ", " << table.description
        << "\n  dates " << dateFormatName(table.dateFormat);
    if (table.dateOrderAssumed) out << assumedDateOrderNote;
    out << "; " << counted(table.days.size(), "day", "days");
    if (table.rejectedCount > 0)
        out << "; " << counted(table.rejectedCount, "line", "lines") << " rejected:";
    out << "\n";
    writeRejectedLines(out, table.rejectedCount, table.firstRejected);
}

// Which days have a rate for every currency; the others are reported as skipped.
std::vector<bool> completeDays(const RateTable& table, const std::vector<std::string>& codes,
                               std::ostream& out) {
    std::vector<bool> complete;
    for (const RateDay& day : table.days) {
        complete.push_back(
            std::all_of(day.rates.begin(), day.rates.end(),
                        [](const std::optional<double>& r) { return r.has_value(); }));
    }
    const auto count = static_cast<std::size_t>(std::count(complete.begin(), complete.end(), true));
    out << "--align: " << count << " of " << counted(table.days.size(), "day", "days")
        << " have a rate for each of " << listed(codes) << "; "
        << counted(table.days.size() - count, "day", "days") << " skipped\n";
    return complete;
}

// The start-up real-time price: the rates of the table's first day after the history, a
// currency without a rate that day at its latest earlier one. With no later day, the
// history's last price.
bool writeRealtimeFile(const ImportOptions& options, const RateTable& table,
                       const PairCurrencies& pair, const std::vector<std::string>& codes,
                       const DailyClose& lastDay, std::ostream& out) {
    const auto next = std::find_if(table.days.begin(), table.days.end(),
                                   [&](const RateDay& day) { return day.date > lastDay.date; });
    std::string price = lastDay.close;
    std::string note = ", the history's last price: the table has no later day";
    if (next != table.days.end()) {
        double rates[2] = {1.0, 1.0};
        note = ", the rates of " + monitorDateText(next->date);
        const std::optional<std::size_t> currencies[2] = {pair.base, pair.quote};
        for (int c = 0; c < 2; ++c) {
            if (!currencies[c]) continue;
            auto day = next;
            while (!day->rates[*currencies[c]]) --day;  // the history's last day has one
            rates[c] = *day->rates[*currencies[c]];
            if (day != next)
                note += " (" + codes[*currencies[c]] + " of " + monitorDateText(day->date) + ")";
        }
        price = priceText(pair, rates[0], rates[1]);
    }
    const std::filesystem::path target =
        std::filesystem::path(options.outFolder) / (pair.symbol + "_RT.csv");
    // Written whole or not at all, as a history file is.
    OutputTextFile file;
    if (file.create(target)) writeLine(file, price);
    if (!file.close()) {
        out << options.ratesFile << ": nothing written: " << target.string() << " "
            << file.failure() << "\n";
        return false;
    }
    out << "wrote " << target.string() << ": " << price << note << "\n";
    return true;
}

}  // namespace

int runRatesImport(const ImportOptions& options, std::ostream& out) {
    const std::vector<std::string> symbols = pairsAsked(options);
    const std::vector<std::string> codes = currenciesOf(symbols, options.rateBase);
    const RateTable table = readRateTable(options.ratesFile, codes, options.dateFormat);
    reportTable(options, table, out);
    const auto summary = [&](std::size_t written) {
        out << written << " of " << counted(symbols.size(), "pair", "pairs") << " written\n";
        return written == symbols.size() ? 0 : 1;
    };
    if (!table.error.empty()) return summary(0);

    std::vector<PairCurrencies> pairs;
    for (const std::string& symbol : symbols) pairs.push_back(pairCurrencies(symbol, codes));
    if (!table.missingColumns.empty()) {
        out << "  the header names no column for " << listed(table.missingColumns) << "\n";
        // An aligned folder without some of its pairs would not be the folder asked for.
        if (options.align) {
            out << "--align: nothing written\n";
            return summary(0);
        }
    }
    std::vector<bool> complete;
    if (options.align) {
        complete = completeDays(table, codes, out);
        if (std::find(complete.begin(), complete.end(), true) == complete.end()) {
            out << "--align: nothing written\n";
            return summary(0);
        }
    }

    std::error_code folderFailure;
    std::filesystem::create_directories(options.outFolder, folderFailure);
    std::size_t written = 0;
    for (const PairCurrencies& pair : pairs) {
        std::vector<DailyClose> days;
        std::size_t skipped = 0;
        for (std::size_t d = 0; d < table.days.size(); ++d) {
            const RateDay& day = table.days[d];
            if (options.align ? !complete[d] : !hasBothRates(day, pair)) {
                ++skipped;
                continue;
            }
            days.push_back(
                {day.date, priceText(pair, *rateOn(day, pair.base), *rateOn(day, pair.quote))});
        }
        if (days.empty()) {
            out << pair.symbol << ": nothing written: no day has a rate for "
                << missingRatesText(pair, codes) << "\n";
            continue;
        }
        std::string note;
        if (!options.align && skipped > 0) {
            note = "; " + counted(skipped, "day", "days") + " skipped, without a rate for " +
                   missingRatesText(pair, codes);
        }
        if (!writeHistoryFile(options, pair.symbol, days, options.ratesFile, note, out)) continue;
        if (options.writeRealtime &&
            !writeRealtimeFile(options, table, pair, codes, days.back(), out))
            continue;
        ++written;
    }
    return summary(written);
}

}  // namespace fx::datatools
