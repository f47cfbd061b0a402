#include <array>

#include "monitor/monitor.h"
#include "prices/price_files.h"
#include "text/numbers.h"
#include "text/text_file.h"

namespace fx {

std::string realtimeFileName(std::string_view symbol) { return std::string(symbol) + "_RT.csv"; }

std::optional<std::string> readFirstLine(const std::string& path) {
    InputTextFile file;
    if (!file.open(path)) return std::nullopt;
    // Only the kept characters of the first line are ever used, so nothing past them is
    // read: a line without an end (a file rewritten without line ends, a device) would
    // otherwise be read to its end on every tick, or for ever.
    std::string line;
    for (int byte = file.nextByte(); byte >= 0 && byte != '\r' && byte != '\n';
         byte = file.nextByte()) {
        line.push_back(static_cast<char>(byte));
        if (line.size() == maxLineLength) break;
    }
    return line;
}

// The bounds hold for the stored single-precision price too: 499.99999999 would
// round to 500 and 1e-50 to 0, and neither may become a current price.
bool isAcceptedRealtimePrice(double value) {
    const float stored = static_cast<float>(value);
    return value > 0.0 && value < 500.0 && stored > 0.0f && stored < 500.0f;
}

namespace {

std::string realtimePath(const Monitor& monitor, int pair) {
    return monitor.state.programDirectory + realtimeFileName(monitor.state.PairTable[pair]);
}

void reportMissing(Monitor& monitor, const std::string& path) {
    monitor.layer.showMessage(monitor.mainWindow, "Realtime file not found: " + path, "Not Found",
                              MessageIcon::Information, MessageButtons::Ok);
}

void takePrice(Monitor& monitor, int pair, std::string_view firstLine) {
    const double price = parseNumber(firstLine);
    if (isAcceptedRealtimePrice(price))
        monitor.prices.currentPrice[pair] = static_cast<float>(price);
}

}  // namespace

void loadRealtime(Monitor& monitor) {
    // Supplied lines come by pair: a path is made only for a file reported missing.
    if (monitor.realtimeFirstLine) {
        for (int k = 0; k < pairCount; ++k) {
            if (const auto firstLine = monitor.realtimeFirstLine(k))
                takePrice(monitor, k, *firstLine);
            else
                reportMissing(monitor, realtimePath(monitor, k));
        }
        return;
    }

    // The paths are fixed when the pass starts: a message box below lets other events
    // run, and whatever they change, this pass reads the files it set out to read.
    std::array<std::string, pairCount> paths;
    for (int k = 0; k < pairCount; ++k) paths[k] = realtimePath(monitor, k);

    for (int k = 0; k < pairCount; ++k) {
        if (const auto firstLine = readFirstLine(paths[k]))
            takePrice(monitor, k, *firstLine);
        else
            reportMissing(monitor, paths[k]);
    }
}

}  // namespace fx
