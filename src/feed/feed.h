#pragma once
// The feed's loop: one round of real-time files per interval.

#include <filesystem>
#include <functional>
#include <ostream>
#include <vector>

#include "feed/feed_options.h"
#include "feed/price_source.h"

namespace fx::feed {

// Runs until the count is reached, the ticks file ends or `stopRequested` says so;
// a round under way is always finished, and no temporary file is left behind.
// Messages go to `messages`. Returns the exit status: 0 done or stopped, 1 the folder
// or the ticks file cannot be read, 2 a malformed ticks file.
int runFeed(const FeedOptions& options, const std::function<bool()>& stopRequested,
            std::ostream& messages);

// One round: each file of the round written (or removed) in the folder; what fails is
// said in `messages` and the round goes on.
void writeRound(const std::filesystem::path& folder, const std::vector<PriceUpdate>& round,
                WriteMode mode, std::ostream& messages);

}  // namespace fx::feed
