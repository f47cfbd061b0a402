#pragma once
// A loop paced at a fixed interval on the steady clock, which a stop request ends within
// a moment: the rounds of fxfeed and the reads of fxmonitor-record.

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "text/command_line.h"

namespace fx {

// How fast and how long a paced loop runs, as its command line sets it.
struct PaceOptions {
    std::uint64_t intervalMs = 1000;
    std::optional<std::uint64_t> count;  // rounds before stopping; endless when empty

    // Takes --interval-ms N (0 to a day) and --count N (1 on); false for any other
    // argument. A value that is no such count sets `error`.
    bool read(const Argument& argument, std::string& error);
};

class Pacer {
public:
    explicit Pacer(std::chrono::milliseconds interval) : interval_(interval) {}

    // Waits until the next round is due (the first one is due at once); false when a
    // stop was requested first.
    bool waitForNextRound(const std::function<bool()>& stopRequested);

private:
    std::chrono::milliseconds interval_;
    std::chrono::steady_clock::time_point due_{};
    bool started_ = false;
};

}  // namespace fx
