// fxmonitor-record: records a folder's real-time files as a ticks file, for replaying
// a live session later.

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "record/recorder.h"
#include "text/pacer.h"

namespace {

// The one thing a signal handler may safely do is set a flag; the recorder looks at it
// between reads, so the line under way is always finished.
volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void onStopSignal(int) { stopSignalled = 1; }

}  // namespace

int main(int argc, char** argv) {
    const fx::record::ParsedRecordOptions parsed =
        fx::record::parseRecordOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.helpRequested) {
        std::cout << fx::record::recordUsage;
        return fx::record::recordStopped;
    }
    if (!parsed.error.empty()) {
        std::cerr << "fxmonitor-record: " << parsed.error << "\n" << fx::record::recordUsage;
        return fx::record::recordUsageError;
    }
    // Ctrl+C arrives as SIGINT on every platform; SIGTERM is what POSIX tools send.
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
    fx::Pacer pacer(std::chrono::milliseconds(parsed.options.pace.intervalMs));
    const fx::SystemClock clock;
    return fx::record::runRecorder(
        parsed.options, clock,
        [&pacer] { return pacer.waitForNextRound([] { return stopSignalled != 0; }); }, std::cerr);
}
