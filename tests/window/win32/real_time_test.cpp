// A tick on real windows: the slots' group colours reach the screen, and the arrows
// survive being painted over.

#include <gtest/gtest.h>

#include <map>

#include "imported_call.h"
#include "win32_monitor.h"

namespace {

using fx::mainwin::slotPairBox;
using fx::mainwin::slotPriceBox;
using fxtest::screenPixel;

// The timers set through USER32 while a test runs: timer id -> period in ms.
std::map<UINT_PTR, UINT> timersSet;
UINT_PTR(WINAPI* realSetTimer)(HWND, UINT_PTR, UINT, TIMERPROC) = nullptr;

UINT_PTR WINAPI recordingSetTimer(HWND window, UINT_PTR id, UINT period, TIMERPROC procedure) {
    timersSet[id] = period;
    return realSetTimer(window, id, period, procedure);
}

TEST(RealTimeTest, RealTimeModeSetsTimerOneOfTheMainWindowToOneSecond) {
    fxtest::ImportedCall setTimer("user32.dll", "SetTimer", reinterpret_cast<void*>(&recordingSetTimer));
    ASSERT_TRUE(setTimer.found());
    realSetTimer = setTimer.original<decltype(realSetTimer)>();
    fxtest::Win32Monitor app;
    app.writeData(3);
    app.start();
    timersSet.clear();
    app.startRealTime();
    EXPECT_EQ(timersSet, (std::map<UINT_PTR, UINT>{{1, 1000}}));
}

TEST(RealTimeTest, SlotColoursAndArrowsReachTheScreenAndSurviveBeingPaintedOver) {
    fxtest::Win32Monitor app;
    app.writeData(5);
    app.start();
    app.startRealTime();
    // NZDJPY, the last of the sell group, falls 50 pips, which is a rise of 50 for the
    // ranking: it takes slot 1 from a buy pair, which goes down to slot 14.
    app.folder.write("NZDJPY_RT.csv", "99.75");
    app.clock.advanceSeconds(1);
    SendMessageA(app.mainWindow(), WM_TIMER, fx::mainwin::realTimeTimer, 0);
    fxtest::pumpMessages();
    ASSERT_EQ(fxtest::windowText(app.mainControl(slotPairBox(0))), "NZDJPY");
    EXPECT_EQ(fxtest::windowText(app.mainControl(slotPriceBox(0))), " 50");
    HWND main = app.mainWindow();
    UpdateWindow(main);
    EXPECT_EQ(screenPixel(app.mainControl(slotPairBox(0)), 2, 2), fx::rgb(255, 105, 180));
    EXPECT_EQ(screenPixel(app.mainControl(slotPairBox(1)), 2, 2), fx::rgb(84, 255, 159));
    EXPECT_EQ(screenPixel(app.mainControl(slotPriceBox(0)), 2, 2), GetSysColor(COLOR_WINDOW));

    // Slot 1's up arrow and slot 14's down arrow, on their shafts, covered by another
    // window and painted over, then uncovered.
    const POINT up = {10, 150};
    const POINT down = {11, 460};
    POINT corner = {0, 0};
    ClientToScreen(main, &corner);
    HWND cover =
        CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE | SS_BLACKRECT, corner.x,
                        corner.y + 130, 60, 350, nullptr, nullptr, nullptr, nullptr);
    UpdateWindow(cover);
    HDC dc = GetDC(main);
    const RECT cells = {0, 130, 60, 480};
    FillRect(dc, &cells, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(main, dc);
    ASSERT_EQ(screenPixel(main, up.x, up.y), fx::rgb(255, 255, 255));
    DestroyWindow(cover);
    InvalidateRect(main, &cells, TRUE);
    fxtest::pumpMessages();

    EXPECT_EQ(screenPixel(main, up.x, up.y), fx::rgb(34, 139, 34));
    EXPECT_EQ(screenPixel(main, down.x, down.y), fx::rgb(238, 0, 0));
    EXPECT_EQ(screenPixel(main, 40, 306), fx::black);  // the separator line
    EXPECT_EQ(screenPixel(main, 4, 150), fx::rgb(204, 204, 153));
}

}  // namespace
