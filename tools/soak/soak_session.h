#pragma once
// A headless monitor kept busy the way a long day at the terminal would: prices on a
// random walk, real-time files that go missing, first lines of garbage and prices out
// of range, all four alerts on, the log written every minute, baskets bought, sold,
// closed and cleared, and now and then a new reference day. The real-time files come
// through the monitor's realtimeFirstLine seam, so nothing is written per tick.

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "shell/headless/headless_layer.h"
#include "shell/monitor.h"
#include "text/clock.h"

namespace fxsoak {

struct SoakCounts {
    long long ticks = 0;
    long long missingFiles = 0;
    long long garbageLines = 0;
    long long outOfRangeLines = 0;
    long long acceptedLines = 0;
    long long basketsOpened = 0;
    long long referenceDays = 0;
};

class SoakSession {
public:
    explicit SoakSession(unsigned seed);
    ~SoakSession();
    SoakSession(const SoakSession&) = delete;
    SoakSession& operator=(const SoakSession&) = delete;

    // Runs `count` more ticks. False, with failure() saying why, as soon as the monitor
    // breaks one of the rules checked on every tick.
    bool run(long long count);

    const SoakCounts& counts() const { return counts_; }
    const std::string& failure() const { return failure_; }
    int logRows();
    // What the log's rows take on the heap and in the list's own storage, estimated
    // from the rows themselves.
    long long logRowBytes();

private:
    bool tick();
    void prepareFirstLines();
    std::string garbageLine();
    std::string outOfRangeLine();
    void actLikeAUser();
    void switchAlertsOn();
    bool fail(std::string why);

    std::string folder_;
    fx::HeadlessLayer layer_;
    fx::SettableClock clock_{fx::LocalTime{2009, 3, 9, 9, 0, 0}};
    std::unique_ptr<fx::Monitor> monitor_;
    std::mt19937 random_;
    std::vector<double> walk_;  // each pair's price on the walk
    std::vector<std::optional<std::string>> firstLines_;
    long long messagesExpected_ = 0;
    SoakCounts counts_;
    std::string failure_;
};

}  // namespace fxsoak
