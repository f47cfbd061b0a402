#include "text/pacer.h"

#include <algorithm>
#include <thread>

namespace fx {

namespace {

using SteadyClock = std::chrono::steady_clock;

// A stop request is noticed within this time while the loop waits.
constexpr std::chrono::milliseconds stopPollInterval{20};

}  // namespace

bool Pacer::waitForNextRound(const std::function<bool()>& stopRequested) {
    if (!started_) {
        started_ = true;
        due_ = SteadyClock::now();
        return !stopRequested();
    }
    due_ += interval_;
    // After a stall (a suspended machine, a slow disk) the loop goes on at its pace
    // rather than catching up in a burst.
    if (SteadyClock::now() > due_ + interval_) due_ = SteadyClock::now();
    while (!stopRequested()) {
        const auto now = SteadyClock::now();
        if (now >= due_) return true;
        std::this_thread::sleep_for(std::min<SteadyClock::duration>(due_ - now, stopPollInterval));
    }
    return false;
}

}  // namespace fx
