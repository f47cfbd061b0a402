#pragma once
// The feed's loop: one round of real-time files per interval.

#include <filesystem>
#include <functional>
#include <ostream>
#include <vector>

#include "feed/feed_options.h"
#include "feed/price_source.h"
#include "feed/write_failures.h"

namespace fx::feed {

// Runs until the count is reached, the ticks file ends or `stopRequested` says so;
// a round under way is always finished, and no temporary file is left behind.
// Messages go to `messages`: a file that cannot be written once per cause, and at the
// end how many of its updates failed. Returns the exit status: 0 done or stopped, 1 the
// folder or the ticks file cannot be read, 2 a malformed ticks file, 3 stopped while a
// file's updates were failing (one that failed for a while and then worked again is
// only told).
int runFeed(const FeedOptions& options, const std::function<bool()>& stopRequested,
            std::ostream& messages);

// One round: each file of the round written (or removed) in the folder; what fails is
// kept in `failures`, and the round goes on.
void writeRound(const std::filesystem::path& folder, const std::vector<PriceUpdate>& round,
                WriteMode mode, WriteFailures& failures);

}  // namespace fx::feed
