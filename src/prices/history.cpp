#include <string_view>

#include "monitor/monitor.h"
#include "prices/price_files.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace fx {

namespace {

// Fixed positions of a history line: characters 1 to 10 are the date, character 11
// is a separator of any kind, the price text starts at character 12.
constexpr std::size_t dateLength = 10;
constexpr std::size_t priceStart = 11;
constexpr std::size_t historyReadSize = 16384;

}  // namespace

std::string_view historyPriceText(std::string_view line) {
    return line.size() > priceStart ? line.substr(priceStart) : std::string_view();
}

HistoryRow historyRowOf(std::string_view line) {
    return HistoryRow{std::string(line.substr(0, dateLength)),
                      static_cast<float>(parseNumber(historyPriceText(line)))};
}

std::optional<int> readHistoryFile(const std::string& path, HistoryTable& table) {
    // A history file of 499 rows fits the buffer whole: one read, then the end.
    InputTextFile file(historyReadSize);
    if (!file.open(path)) return std::nullopt;
    int row = 0;
    // Row 499 is never filled, so the tables always end with an empty row. Each row is
    // written in place from the file's buffer: no line or date is copied on the way.
    while (row < maxHistoryLines) {
        const std::optional<std::string_view> line = file.nextLine(maxLineLength);
        if (!line) break;
        HistoryRow& stored = table[row];
        // A date over one of the same length, as on every reload, is copied in place.
        const std::string_view date = line->substr(0, dateLength);
        if (stored.date.size() == date.size())
            date.copy(stored.date.data(), date.size());
        else
            stored.date.assign(date);
        stored.price = static_cast<float>(parseNumber(historyPriceText(*line)));
        ++row;
    }
    return row;
}

int completeHistoryRows(const std::array<HistoryTable, pairCount>& tables) {
    int rows = 0;
    while (rows < maxHistoryLines) {
        for (const HistoryTable& table : tables) {
            if (table[rows].price == 0.0f) return rows;
        }
        ++rows;
    }
    return rows;
}

void loadHistory(Monitor& monitor) {
    for (int k = 0; k < pairCount; ++k) {
        const std::string symbol = monitor.state.PairTable[k];
        if (readHistoryFile(monitor.workingPath(symbol + ".csv"), monitor.prices.priceHistory[k])) {
            continue;
        }
        monitor.layer.showMessage(monitor.mainWindow,
                                  symbol + ".csv history file could not be opened.",
                                  "File opening error", MessageIcon::Stop, MessageButtons::Ok);
        // The other files are still read, so every missing one is reported before the
        // program ends.
        monitor.state.keepRunning = 0;
    }

    // The first current prices come from the real-time files in the working folder,
    // unchecked; a missing file is left for the real-time reads to report.
    for (int k = 0; k < pairCount; ++k) {
        const auto firstLine =
            readFirstLine(monitor.workingPath(realtimeFileName(monitor.state.PairTable[k])));
        if (firstLine) monitor.prices.currentPrice[k] = static_cast<float>(parseNumber(*firstLine));
    }

    monitor.prices.historyRowCount = completeHistoryRows(monitor.prices.priceHistory);
}

}  // namespace fx
