// fxmonitor-replay: the monitor's engine over a recorded session (see --help).

#include <iostream>
#include <string_view>
#include <vector>

#include "replay/replay.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
    // The log's lines end with LF on every platform.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    return fx::replayMain(arguments, std::cout, std::cerr);
}
