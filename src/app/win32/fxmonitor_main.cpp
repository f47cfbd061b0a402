// The program's entry, compiled once per build variant (FXMONITOR_VARIANT names it).
// The command line is not read.

#include <windows.h>

#include <filesystem>
#include <string>

#include "app/startup.h"
#include "monitor/monitor.h"
#include "monitor/state.h"
#include "text/clock.h"
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

// The current folder in wide characters: its name may be in any script, where the code
// page's form of it would hold "?" in place of what the code page lacks.
std::filesystem::path currentFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.resize(length);  // the room it needs, its terminator included
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    fx::fixNumericMode();
    fx::Win32Layer layer;
    const fx::SystemClock clock;
    // The history and the start-up prices are read by their bare names, before any file
    // dialog can move the current folder away from the start folder; every saved log goes
    // to the start folder, taken now, wherever a file dialog later leaves the current one.
    fx::Monitor monitor(fx::variant(fx::VariantId::FXMONITOR_VARIANT), layer, clock,
                        executablePath(), "", currentFolder());
    fx::startMonitor(monitor);
    fx::runMessageLoop(monitor);
    return fx::shutDownMonitor(monitor);
}
