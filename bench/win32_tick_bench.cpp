// One real-time cycle of the real Win32 monitor (the timer message through the window
// procedure, the fourteen real-time files, the ranking written into the controls, the
// drawing, and the repaints it causes) against opening, reading and closing the same
// fourteen files in the same process. A program of the win64 build, run under wine64.
//
// Usage: win32_tick_bench [RUNS [CYCLES]]   (7 runs of 200 cycles by default)
// Prints each measure's minimum over the runs and their ratio; exits with 1 when the
// ratio is above the goal.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/startup.h"
#include "bench_files.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "window/win32/win32_layer.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double goal = 2.0;
const fx::Variant& benchVariant = fxbench::benchVariant();

// The monitor benchmarks' data in a fresh temporary folder, removed at exit.
class BenchFolder {
public:
    BenchFolder() {
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = fs::path(base) / ("fxmonitor-bench-" + std::to_string(GetCurrentProcessId()));
        fs::create_directories(path_);
        fxbench::writeMonitorFiles(folder());
    }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string folder() const { return path_.string() + "\\"; }
    std::string realtimePath(int pair) const {
        return (path_ / (std::string(benchVariant.pairTable[pair]) + "_RT.csv")).string();
    }

private:
    fs::path path_;
};

void dispatchQueued() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The baseline: each file opened as the monitor opens it, read to its end, closed.
std::size_t readFourteenFiles(const BenchFolder& folder) {
    std::size_t total = 0;
    char buffer[4096];
    for (int k = 0; k < fx::pairCount; ++k) {
        const HANDLE file = CreateFileA(folder.realtimePath(k).c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD got = 0;
        while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) total += got;
        CloseHandle(file);
    }
    return total;
}

// The mean time of one step over `cycles` steps, in microseconds.
template <typename Step>
double meanMicroseconds(int cycles, Step step) {
    const auto start = Clock::now();
    for (int i = 0; i < cycles; ++i) step();
    const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
    return spent.count() / cycles;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const int cycles = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    const BenchFolder data;
    fx::Win32Layer layer;
    fx::SettableClock clock{fx::LocalTime{2009, 3, 9, 9, 0, 0}};
    fx::Monitor monitor(benchVariant, layer, clock, data.folder() + "fxmonitor-17b.exe",
                        data.folder());
    fx::startMonitor(monitor);
    const HWND main = layer.windowHandle(monitor.mainWindow);
    if (monitor.state.keepRunning == 0 || !main) {
        std::fprintf(stderr, "win32_tick_bench: the monitor did not start\n");
        return 2;
    }
    // A reference day and real-time mode, as a user chooses them; the window's own timer
    // is stopped again, so that only the measured ticks arrive.
    HWND list = GetDlgItem(main, fx::mainwin::referenceDayCombo);
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(fx::mainwin::referenceDayCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    SendMessageA(GetDlgItem(main, fx::mainwin::realTimeModeCheck), BM_CLICK, 0, 0);
    KillTimer(main, fx::mainwin::realTimeTimer);
    dispatchQueued();

    const auto baselineStep = [&] {
        volatile std::size_t bytes = readFourteenFiles(data);
        (void)bytes;
    };
    const auto cycleStep = [&] {
        clock.advanceSeconds(1);
        SendMessageA(main, WM_TIMER, fx::mainwin::realTimeTimer, 0);
        dispatchQueued();
    };
    baselineStep();
    cycleStep();

    double baseline = 1e300;
    double cycle = 1e300;
    for (int run = 0; run < runs; ++run) {
        baseline = std::min(baseline, meanMicroseconds(cycles, baselineStep));
        cycle = std::min(cycle, meanMicroseconds(cycles, cycleStep));
    }
    if (!layer.windowHandle(monitor.mainWindow) || monitor.state.realTimeMode != 1) {
        std::fprintf(stderr, "win32_tick_bench: the monitor left real-time mode\n");
        return 2;
    }
    const double ratio = cycle / baseline;
    std::printf("win32 real-time cycle: %.1f us (minimum of %d runs of %d cycles)\n", cycle, runs,
                cycles);
    std::printf("win32 14 files opened, read, closed: %.1f us\n", baseline);
    std::printf(
        "\nratio\tone real-time cycle of the Win32 program (wine64)\t"
        "the same 14 files opened in the same process\t%.2f\t%.1f\n",
        ratio, goal);
    fx::shutDownMonitor(monitor);
    return ratio <= goal ? 0 : 1;
}
