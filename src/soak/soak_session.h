#pragma once
// A monitor kept busy the way a long day at the terminal would: prices on a random
// walk, real-time files that go missing, first lines of garbage and prices out of
// range, all four alerts on, the log written every minute, baskets bought, sold, closed
// and cleared, and now and then a new reference day. The real-time files come through
// the monitor's realtimeFirstLine seam, so nothing is written per tick. The session
// works the windows through a SoakUser, so the same session runs on the headless layer
// and on the real Win32 windows.

#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "monitor/monitor.h"
#include "text/clock.h"

namespace fx::soak {

// What the session does to the windows, as a user and the timer would.
class SoakUser {
public:
    virtual ~SoakUser() = default;
    virtual void click(WindowId window, int controlId) = 0;
    virtual void choose(WindowId window, int listId, int position) = 0;
    virtual void chooseMenu(WindowId window, int menuId) = 0;
    // One tick of the running real-time timer; false when it is not running.
    virtual bool tick(Monitor& monitor) = 0;
    // The next file dialog chooses this file.
    virtual void chooseFileNext(const std::string& path) = 0;
    // The captions of the message boxes shown since the last call.
    virtual std::vector<std::string> takeMessageCaptions() = 0;
};

struct SoakSettings {
    unsigned seed = 20090309;
    // Out of every thousand real-time reads: missing files, garbage lines and prices out
    // of range; the rest are prices on the walk.
    int missingPerMille = 10;
    int garbagePerMille = 10;
    int outOfRangePerMille = 10;
    // The pair-in-slot alert switches itself off when it fires; switch it on again
    // (each time through the sound-file dialog).
    bool rearmSlotAlert = true;
};

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
    // Writes the history into a fresh temporary folder and starts a v17b monitor on the
    // layer, with a reference day, the "1 minute" log timer, every alert and real-time
    // mode switched on.
    SoakSession(const SoakSettings& settings, WindowLayer& layer, SoakUser& user);
    ~SoakSession();
    SoakSession(const SoakSession&) = delete;
    SoakSession& operator=(const SoakSession&) = delete;

    // Runs `count` more ticks. False, with failure() saying why, as soon as the monitor
    // breaks one of the rules checked on every tick.
    bool run(long long count);

    const SoakCounts& counts() const { return counts_; }
    const std::string& failure() const { return failure_; }
    Monitor& monitor() { return *monitor_; }
    int logRows();
    // The descriptions of the log's rows, newest first.
    std::vector<std::string> logDescriptions();

private:
    bool tick();
    bool checkMessages();
    void prepareFirstLines();
    std::string garbageLine();
    std::string outOfRangeLine();
    void actLikeAUser();
    void switchAlertsOn();
    bool fail(std::string why);

    SoakSettings settings_;
    WindowLayer& layer_;
    SoakUser& user_;
    std::string folder_;
    SettableClock clock_{LocalTime{2009, 3, 9, 9, 0, 0}};
    std::unique_ptr<Monitor> monitor_;
    std::mt19937 random_;
    std::vector<double> walk_;  // each pair's price on the walk
    std::vector<std::optional<std::string>> firstLines_;
    long long messagesExpected_ = 0;
    SoakCounts counts_;
    std::string failure_;
};

}  // namespace fx::soak
