// fxfeed: keeps a folder's real-time price files moving, for trying the monitor
// without a trading terminal.

#include <csignal>
#include <iostream>

#include "feed/feed.h"

namespace {

// The one thing a signal handler may safely do is set a flag; the feed looks at it
// between rounds, so a file being written is always finished.
volatile std::sig_atomic_t stopSignalled = 0;

extern "C" void onStopSignal(int) { stopSignalled = 1; }

}  // namespace

int main(int argc, char** argv) {
    const fx::feed::ParsedFeedOptions parsed = fx::feed::parseFeedOptions(argc, argv);
    if (parsed.helpRequested) {
        std::cout << fx::feed::feedUsage;
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "fxfeed: " << parsed.error << "\n" << fx::feed::feedUsage;
        return 2;
    }
    // Ctrl+C arrives as SIGINT on every platform; SIGTERM is what POSIX tools send.
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
    return fx::feed::runFeed(
        parsed.options, [] { return stopSignalled != 0; }, std::cerr);
}
