#pragma once
// fxfeed's command line.

#include <cstdint>
#include <optional>
#include <string>

#include "feed/price_file_writer.h"
#include "monitor/variants.h"
#include "text/pacer.h"

namespace fx::feed {

struct FeedOptions {
    std::string folder = ".";
    // Only this variant's fourteen symbols; all sixteen known symbols when empty. Also
    // the pair table a ticks file's header is checked against (17b when empty).
    const Variant* variant = nullptr;
    PaceOptions pace;                    // --count: updates before stopping
    std::optional<std::uint64_t> seed;   // a fresh one each run when empty
    WriteMode mode = WriteMode::Atomic;
    std::string ticksFile;  // a random walk when empty
};

struct ParsedFeedOptions {
    FeedOptions options;
    bool helpRequested = false;
    std::string error;  // a usage error when not empty
};

ParsedFeedOptions parseFeedOptions(int argc, char** argv);

extern const char* const feedUsage;

}  // namespace fx::feed
