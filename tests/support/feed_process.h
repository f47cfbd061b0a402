#pragma once
// What the feed's tests share: the committed sample folder, the shape of a price text as
// the feed writes it, and fxfeed as a child process (POSIX).

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "datatools/market.h"
#include "support/child_process.h"

namespace fxtest {

// Digits, ".", and exactly 3 decimals for a yen pair, 5 for any other.
inline bool isFullPriceText(std::string_view symbol, std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0) return false;
    if (text.size() - point - 1 != (symbol.ends_with("JPY") ? 3u : 5u)) return false;
    return text.find_first_not_of("0123456789.") == std::string_view::npos &&
           text.find('.', point + 1) == std::string_view::npos;
}

// Copies the symbol's history file, and its real-time file when asked, from the sample.
inline void copyFromSample(std::string_view symbol, const std::string& folder, bool withRealtime) {
    for (const std::string& name : {std::string(symbol) + ".csv", std::string(symbol) + "_RT.csv"})
        if (withRealtime || !name.ends_with("_RT.csv"))
            std::filesystem::copy_file(FX_SAMPLE_DIR + name, folder + name);
}

#if !defined(_WIN32) && defined(FX_FEED_PROGRAM)
// fxfeed as a child process.
class FeedProcess : public ChildProcess {
public:
    explicit FeedProcess(std::vector<std::string> arguments, const std::string& messagesPath = "")
        : ChildProcess(FX_FEED_PROGRAM, std::move(arguments), messagesPath) {}
};
#endif

}  // namespace fxtest
