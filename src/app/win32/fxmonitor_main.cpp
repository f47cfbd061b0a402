// The program's entry, compiled once per build variant (FXMONITOR_VARIANT names it).
// The command line is not read.

#include <windows.h>

#include <string>

#include "app/startup.h"
#include "monitor/monitor.h"
#include "monitor/state.h"
#include "text/clock.h"
#include "text/file_access.h"
#include "text/numeric_mode.h"
#include "window/win32/win32_layer.h"

namespace {

std::string executablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fx::fixNumericMode();
    fx::Win32Layer layer;
    const fx::SystemClock clock;
    // The folder the program was started in: the history, the start-up prices and every
    // saved log belong there, wherever a file dialog later leaves the current folder.
    fx::Monitor monitor(fx::variant(fx::VariantId::FXMONITOR_VARIANT), layer, clock,
                        executablePath(), fx::platform::currentFolder());
    fx::startMonitor(monitor);
    fx::runMessageLoop(monitor);
    return fx::shutDownMonitor(monitor);
}
