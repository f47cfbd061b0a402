#include "feed/feed.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>

#include "feed/ticks_source.h"
#include "feed/walk_source.h"
#include "feed/write_failures.h"
#include "text/pacer.h"

namespace fx::feed {

namespace {

namespace fs = std::filesystem;
// The exit status of a feed that stops while a file's updates are failing.
constexpr int writesFailingStatus = 3;


struct SourceOrStatus {
    std::unique_ptr<PriceSource> source;
    int status = 0;
};

std::vector<std::string> walkSymbols(const FeedOptions& options) {
    std::vector<std::string> symbols;
    if (options.variant) {
        for (const std::string_view symbol : options.variant->pairTable)
            symbols.emplace_back(symbol);
    } else {
        for (const std::string_view symbol : market::knownSymbols) symbols.emplace_back(symbol);
    }
    return symbols;
}

SourceOrStatus makeSource(const FeedOptions& options, std::ostream& messages) {
    if (!options.ticksFile.empty()) {
        const Variant& table = options.variant ? *options.variant : variant(VariantId::V17b);
        std::string error;
        int status = 0;
        auto ticks = TicksSource::open(options.ticksFile, table, error, status);
        if (!ticks) messages << "fxfeed: " << error << "\n";
        return {std::move(ticks), status};
    }
    std::vector<std::string> symbols = walkSymbols(options);
    std::vector<std::string> warnings;
    const auto start = latestHistoryValues(options.folder, symbols, warnings);
    for (const std::string& warning : warnings) messages << "fxfeed: " << warning << "\n";
    const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();
    return {std::make_unique<WalkSource>(std::move(symbols), start, seed), 0};
}

}  // namespace

void writeRound(const fs::path& folder, const std::vector<PriceUpdate>& round, WriteMode mode,
                WriteFailures& failures) {
    for (const PriceUpdate& update : round) {
        const std::string file = update.symbol + "_RT.csv";
        std::string error;
        const bool done = update.firstLine
                              ? writePriceFile(folder / file, *update.firstLine, mode, error)
                              : removePriceFile(folder / file, error);
        failures.record(file, done ? std::string() : error);
    }
}

int runFeed(const FeedOptions& options, const std::function<bool()>& stopRequested,
            std::ostream& messages) {
    const fs::path folder(options.folder);
    std::error_code failure;
    if (!fs::is_directory(folder, failure)) {
        messages << "fxfeed: " << options.folder << " is not a folder\n";
        return 1;
    }
    SourceOrStatus made = makeSource(options, messages);
    if (!made.source) return made.status;
    PriceSource& source = *made.source;

    int status = 0;
    WriteFailures failures(messages);
    const PaceOptions& pace = options.pace;
    Pacer pacer(std::chrono::milliseconds(pace.intervalMs));
    for (std::uint64_t done = 0; !pace.count || done < *pace.count; ++done) {
        if (!pacer.waitForNextRound(stopRequested)) break;
        const auto round = source.next();
        if (!round) {
            if (!source.failure().empty()) {
                messages << "fxfeed: " << source.failure() << "\n";
                status = 2;
            }
            break;
        }
        writeRound(folder, *round, options.mode, failures);
    }
    if (failures.tellAtEnd() && status == 0) status = writesFailingStatus;
    return status;
}

}  // namespace fx::feed
