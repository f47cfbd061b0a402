#include "text/pacer.h"

#include <algorithm>
#include <limits>
#include <thread>

namespace fx {

namespace {

using SteadyClock = std::chrono::steady_clock;

// A stop request is noticed within this time while the loop waits.
constexpr std::chrono::milliseconds stopPollInterval{20};

}  // namespace

bool PaceOptions::read(const Argument& argument, std::string& error) {
    constexpr std::uint64_t dayMs = 86'400'000;
    constexpr std::uint64_t most = std::numeric_limits<std::uint64_t>::max();
    if (argument.name == "--interval-ms") {
        const auto interval = parseCount(argument.value, 0, dayMs);
        if (interval)
            intervalMs = *interval;
        else
            error = countMessage(argument.name, 0, dayMs, argument.value);
        return true;
    }
    if (argument.name == "--count") {
        const auto rounds = parseCount(argument.value, 1);
        if (rounds)
            count = *rounds;
        else
            error = countMessage(argument.name, 1, most, argument.value);
        return true;
    }
    return false;
}

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
