// The real Win32 monitor, a program of the win64 build run under wine64:
//  - one real-time cycle (the timer message through the window procedure, the fourteen
//    real-time files, the ranking written into the controls, the drawing, and the
//    repaints it causes) against opening, reading and closing the same fourteen files
//    in the same process;
//  - "Save Log" of 10,000 rows in the real list control (the menu command, the file and
//    its "Complete" box) against one write of the same bytes in the same process, with
//    what the list's rows and the box cost on their own.
//
// Usage: win32_tick_bench [RUNS [CYCLES]]   (7 runs of 200 cycles by default)
// Prints each measure's minimum over the runs and the ratios; exits with 1 when a ratio
// is above its goal.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "app/startup.h"
#include "bench_files.h"
#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "window/win32/win32_layer.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double goal = 2.0;
constexpr double saveLogGoal = 3.0;
constexpr int saveLogRows = 10'000;
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

// One write of the bytes to a new file, as the save's own file is written.
void writeOnce(const std::string& path, const std::string& bytes) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string fileText(const fs::path& path) {
    std::string text;
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// "Save Log" of 10,000 rows: 0 when it met its goal.
int measureSaveLog(fx::Monitor& monitor, fx::Win32Layer& layer, const BenchFolder& data, int runs) {
    const HWND main = layer.windowHandle(monitor.mainWindow);
    for (int row = 0; layer.rowCount(monitor.mainWindow, fx::mainwin::eventLogList) < saveLogRows;
         ++row)
        fx::logEvent(monitor, row % 2 ? "New +anchor: GBPJPY" : "RB =  12  BB =  -3  AB =  7");
    // Each box is closed as soon as its own loop runs, as a user's click would.
    layer.onModalShown = [](HWND box) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0); };
    const auto saveStep = [&] { SendMessageA(main, WM_COMMAND, MAKEWPARAM(fx::mainwin::saveLogItem, 0), 0); };
    saveStep();
    const fs::path saved = monitor.saveFolder / fx::saveFileName(monitor.clock.now());
    const std::string bytes = fileText(saved);
    if (bytes.empty()) {
        std::fprintf(stderr, "win32_tick_bench: the save wrote nothing\n");
        return 2;
    }
    const std::string baselinePath = data.folder() + "baseline-log.txt";
    const auto writeStep = [&] { writeOnce(baselinePath, bytes); };
    const auto rowsStep = [&] {
        std::size_t characters = 0;
        layer.forEachRow(monitor.mainWindow, fx::mainwin::eventLogList, 3,
                         [&characters](std::span<const std::string_view> cells) {
                             for (std::string_view cell : cells) characters += cell.size();
                         });
        volatile std::size_t kept = characters;
        (void)kept;
    };
    const auto boxStep = [&] {
        layer.showMessage(monitor.mainWindow, "Log file creation complete.", "Complete",
                          fx::MessageIcon::Information, fx::MessageButtons::Ok);
    };
    double save = 1e300, write = 1e300, rows = 1e300, box = 1e300;
    for (int run = 0; run < runs; ++run) {
        write = std::min(write, meanMicroseconds(5, writeStep));
        save = std::min(save, meanMicroseconds(5, saveStep));
        rows = std::min(rows, meanMicroseconds(5, rowsStep));
        box = std::min(box, meanMicroseconds(5, boxStep));
    }
    layer.onModalShown = nullptr;
    std::printf("win32 Save Log of %d rows: %.0f us; one write of its %zu bytes: %.0f us\n",
                saveLogRows, save, bytes.size(), write);
    std::printf("win32 of which reading the list's rows: %.0f us; the \"Complete\" box: %.0f us\n",
                rows, box);
    const double ratio = save / write;
    std::printf("\nratio\t\"Save Log\" of 10,000 rows in the Win32 list (wine64)\t"
                "one write of the same bytes in the same process\t%.2f\t%.1f\n",
                ratio, saveLogGoal);
    return ratio <= saveLogGoal ? 0 : 1;
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
    const int saveLog = measureSaveLog(monitor, layer, data, runs);
    fx::shutDownMonitor(monitor);
    if (saveLog == 2) return 2;
    return ratio <= goal && saveLog == 0 ? 0 : 1;
}
