#pragma once
// The replay: the monitor's own engine on the headless window layer, driven by a
// ticks file as a user and the real-time timer would drive it.

#include <iosfwd>
#include <span>
#include <string_view>

#include "replay/command_line.h"

namespace fx {

inline constexpr int replayDone = 0;
inline constexpr int replayHistoryMissing = 1;
inline constexpr int replayUsageError = 2;

// Checks the history files and the whole ticks file, then runs. The event log goes
// to `log`, messages to `messages`; on an error exit `log` receives nothing and no
// --slots file is made. Returns the exit status.
int runReplay(const ReplayOptions& options, std::ostream& log, std::ostream& messages);

// The whole program: the command line, then runReplay.
int replayMain(std::span<const std::string_view> arguments, std::ostream& log,
               std::ostream& messages);

}  // namespace fx
