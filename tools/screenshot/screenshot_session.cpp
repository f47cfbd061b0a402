// The scripted session behind `make screenshot`: the v17b monitor, exactly as the
// program builds it, on a copy of the sample data, driven by the same messages a user
// and the timer would send: a reference day chosen, real-time mode on, a buy basket
// opened and a few ticks with moving prices. Then the whole main window, title bar and
// menu included, is copied from the screen into a .bmp file.
//
// Usage: fxmonitor-screenshot SAMPLE_FOLDER OUTPUT.bmp
//        fxmonitor-screenshot --live RUN_FOLDER OUTPUT.bmp SECONDS (the session of `make run`)
// A test tool of the 64-bit build; the monitor itself reads no command line.

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/startup.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "text/clock.h"
#include "text/numeric_mode.h"
#include "window/win32/win32_layer.h"

namespace {

namespace fs = std::filesystem;

void dispatchQueued() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

std::string readFirstLine(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// Rewrites every real-time file: the sample's next-day price, moved a little differently
// for each pair and tick, so that the ranking changes and arrows show.
void writeTickPrices(const fx::Monitor& monitor, const fs::path& folder, int tick) {
    for (int k = 0; k < fx::pairCount; ++k) {
        const std::string& symbol = monitor.state.PairTable[k];
        const double start = std::stod(readFirstLine(folder / (symbol + "_RT.start")));
        const double moved = start * (1.0 + 0.002 * std::sin(1.7 * k + 2.3 * tick));
        char text[32];
        std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f", moved);
        std::ofstream(folder / (symbol + "_RT.csv"), std::ios::binary) << text << "\r\n";
    }
}

void click(HWND window, int controlId) {
    SetActiveWindow(window);
    SendMessageA(GetDlgItem(window, controlId), BM_CLICK, 0, 0);
    dispatchQueued();
}

bool saveWindowPicture(HWND window, const std::string& path) {
    RECT outer;
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = height;  // bottom row first, as a .bmp file stores it
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(copy, picture);
    BitBlt(copy, 0, 0, width, height, screen, outer.left, outer.top, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof format.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&format.bmiHeader), sizeof format.bmiHeader);
    out.write(static_cast<const char*>(bits), imageBytes);
    const bool written = out.good();
    SelectObject(copy, previous);
    DeleteObject(picture);
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return written;
}

// A reference day twenty rows back, then real-time mode, as a user would.
void chooseReferenceDayAndGoLive(HWND main) {
    HWND days = GetDlgItem(main, fx::mainwin::referenceDayCombo);
    const int dayCount = static_cast<int>(SendMessageA(days, CB_GETCOUNT, 0, 0));
    SendMessageA(days, CB_SETCURSEL, static_cast<WPARAM>(dayCount > 20 ? dayCount - 20 : 0), 0);
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(fx::mainwin::referenceDayCombo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(days));
    dispatchQueued();
    click(main, fx::mainwin::realTimeModeCheck);
}

bool repaintAndPhotograph(HWND main, const std::string& path) {
    RedrawWindow(main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    dispatchQueued();
    const bool saved = saveWindowPicture(main, path);
    if (!saved) std::fprintf(stderr, "fxmonitor-screenshot: cannot write %s\n", path.c_str());
    return saved;
}

// The scripted session on a copy of the sample: its own ticks, so the picture does not
// depend on timing.
int scriptedSession(const fs::path& sample, const std::string& picturePath) {
    const fs::path folder = fs::temp_directory_path() / "fxmonitor-screenshot";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const auto& entry : fs::directory_iterator(sample)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with("_RT.csv"))
            fs::copy_file(entry.path(), folder / (name.substr(0, name.size() - 4) + ".start"));
        if (name.ends_with(".csv") && name != "ticks.csv")
            fs::copy_file(entry.path(), folder / name);
    }

    fx::fixNumericMode();
    fx::Win32Layer layer;
    // The morning after the sample's last history day, the day of its real-time files.
    const fx::SettableClock clock(fx::LocalTime{2024, 12, 20, 10, 15, 0});
    const std::string workingFolder = folder.string() + "\\";
    fx::Monitor monitor(fx::variant(fx::VariantId::V17b), layer, clock,
                        workingFolder + "fxmonitor-17b.exe", workingFolder);
    fx::startMonitor(monitor);
    dispatchQueued();
    HWND main = layer.windowHandle(monitor.mainWindow);

    chooseReferenceDayAndGoLive(main);
    KillTimer(main, fx::mainwin::realTimeTimer);

    for (int tick = 1; tick <= 5; ++tick) {
        writeTickPrices(monitor, folder, tick);
        SendMessageA(main, WM_TIMER, fx::mainwin::realTimeTimer, 0);
        dispatchQueued();
        if (tick == 2) click(main, fx::mainwin::buyButton);
    }
    const bool saved = repaintAndPhotograph(main, picturePath);
    fx::shutDownMonitor(monitor);
    fs::remove_all(folder);
    return saved ? 0 : 1;
}

// The live session of `make run` without a display: the monitor in its own folder, where
// fxfeed keeps the real-time files moving, on the real clock and the real one-second
// timer. A buy basket is opened after three ticks; at the end the log is saved (the
// completion box is answered as a user would) and the window photographed.
int liveSession(const fs::path& runFolder, const std::string& picturePath, int seconds) {
    fx::fixNumericMode();
    fx::Win32Layer layer;
    layer.onModalShown = [](HWND box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    const fx::SystemClock clock;
    const std::string folder = runFolder.string() + "\\";
    fx::Monitor monitor(fx::variant(fx::VariantId::V17b), layer, clock,
                        folder + "fxmonitor-17b.exe", folder);
    fx::startMonitor(monitor);
    dispatchQueued();
    HWND main = layer.windowHandle(monitor.mainWindow);
    chooseReferenceDayAndGoLive(main);

    const DWORD start = GetTickCount();
    bool basketOpen = false;
    while (GetTickCount() - start < static_cast<DWORD>(seconds) * 1000) {
        layer.runMessagePass();
        if (!basketOpen && GetTickCount() - start >= 3500) {
            click(main, fx::mainwin::buyButton);
            basketOpen = true;
        }
    }
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(fx::mainwin::saveLogItem, 0), 0);
    dispatchQueued();
    const bool saved = repaintAndPhotograph(main, picturePath);
    fx::shutDownMonitor(monitor);
    return saved ? 0 : 1;
}

}  // namespace

int main(int argumentCount, char** arguments) {
    if (argumentCount == 3) return scriptedSession(arguments[1], arguments[2]);
    if (argumentCount == 5 && std::string(arguments[1]) == "--live")
        return liveSession(arguments[2], arguments[3], std::atoi(arguments[4]));
    std::fprintf(stderr,
                 "usage: fxmonitor-screenshot SAMPLE_FOLDER OUTPUT.bmp\n"
                 "       fxmonitor-screenshot --live RUN_FOLDER OUTPUT.bmp SECONDS\n");
    return 2;
}
