#pragma once
// Where the feed's prices come from: one round of real-time files per update.

#include <optional>
#include <string>
#include <vector>

namespace fx::feed {

struct PriceUpdate {
    std::string symbol;
    // The file's first line; nothing means the file is removed.
    std::optional<std::string> firstLine;
};

class PriceSource {
public:
    virtual ~PriceSource() = default;
    // The next round, or nothing when the source has no more.
    virtual std::optional<std::vector<PriceUpdate>> next() = 0;
    // Every symbol the source may write.
    virtual const std::vector<std::string>& symbols() const = 0;
    // Why the source ended early (a file that changed under the feed); empty otherwise.
    virtual std::string failure() const { return {}; }
};

}  // namespace fx::feed
