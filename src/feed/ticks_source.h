#pragma once
// The feed's replay of a ticks file: each price line becomes one round of real-time
// files, each field written as its file's first line; action lines are not the feed's
// business and are passed over.

#include <memory>
#include <string>
#include <vector>

#include "feed/price_source.h"
#include "replay/ticks_file.h"

namespace fx::feed {

class TicksSource final : public PriceSource {
public:
    // Checks the whole file before the first round, so a malformed line far down does
    // not stop the feed halfway. Null, with `error` and `status` (1: the file cannot be
    // opened, 2: malformed) set, when the file cannot be used.
    static std::unique_ptr<TicksSource> open(const std::string& path, const Variant& variant,
                                             std::string& error, int& status);

    std::optional<std::vector<PriceUpdate>> next() override;
    const std::vector<std::string>& symbols() const override { return symbols_; }
    std::string failure() const override { return failure_; }

private:
    explicit TicksSource(const Variant& variant);

    TicksReader reader_;
    std::vector<std::string> symbols_;  // by PairTable index
    std::string failure_;
};

}  // namespace fx::feed
