#pragma once
// A loop paced at a fixed interval on the steady clock, which a stop request ends within
// a moment: the rounds of fxfeed and the reads of fxmonitor-record.

#include <chrono>
#include <functional>

namespace fx {

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
