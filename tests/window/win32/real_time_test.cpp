// The monitor at work on real windows: a tick colours the slots by group and draws
// arrows that survive being painted over.

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "win32_monitor.h"

namespace {

using fx::mainwin::slotPairBox;
using fx::mainwin::slotPriceBox;
using fxtest::pumpMessages;
using fxtest::windowText;

// v17b pair index 3, NZDJPY: the last of the sell group in group order.
constexpr int lastSellPair = 3;

class RealTimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.writeData(5);
        app.start();
    }

    fx::Colour screenPixel(HWND window, int x, int y) {
        HDC dc = GetDC(window);
        const COLORREF pixel = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return pixel;
    }

    // The last sell-group pair falls 50 pips, which is a rise of 50 for the ranking: it
    // changes places with the pair in slot 1, which goes down to slot 14.
    void moveLastSellPairToTheTop() {
        app.setPrice(lastSellPair, 99.75f);
        app.tick();
    }

    fxtest::Win32Monitor app;
};

TEST_F(RealTimeTest, TickColoursEachSlotByItsPairsGroup) {
    app.startRealTime();
    moveLastSellPairToTheTop();
    const fx::ProgramState& state = app.monitor().state;
    EXPECT_EQ(windowText(app.mainControl(slotPairBox(0))), app.symbol(lastSellPair));
    EXPECT_EQ(windowText(app.mainControl(slotPriceBox(0))), " 50");
    UpdateWindow(app.mainWindow());
    const auto buyGroup = std::span(state.PairGroups).first(fx::buyGroupSize);
    for (int s = 0; s < fx::pairCount; ++s) {
        SCOPED_TRACE(s);
        const std::string shown = windowText(app.mainControl(slotPairBox(s)));
        const bool inBuyGroup = std::ranges::find(buyGroup, shown) != buyGroup.end();
        EXPECT_EQ(screenPixel(app.mainControl(slotPairBox(s)), 2, 2),
                  inBuyGroup ? state.buyGroupColour : state.sellGroupColour);
        // The value boxes keep the platform's colours.
        EXPECT_EQ(screenPixel(app.mainControl(slotPriceBox(s)), 2, 2), GetSysColor(COLOR_WINDOW));
    }
}

TEST_F(RealTimeTest, ArrowsSurviveBeingPaintedOverAndUncovered) {
    app.startRealTime();
    moveLastSellPairToTheTop();
    const fx::ProgramState& state = app.monitor().state;
    HWND main = app.mainWindow();
    // Slot 1's up arrow and slot 14's down arrow, on their shafts.
    const POINT upShaft = {10, 150};
    const POINT downShaft = {11, 460};
    const fx::ImagePixels image = app.layer.readImage(app.monitor().mainWindow);
    ASSERT_EQ(image.at(upShaft.x, upShaft.y), state.upArrowColour);
    ASSERT_EQ(image.at(downShaft.x, downShaft.y), state.downArrowColour);

    // Another window covers the arrows, and the screen there is painted over.
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
    ASSERT_EQ(screenPixel(main, upShaft.x, upShaft.y), fx::rgb(255, 255, 255));
    DestroyWindow(cover);
    InvalidateRect(main, &cells, TRUE);
    pumpMessages();

    EXPECT_EQ(screenPixel(main, upShaft.x, upShaft.y), state.upArrowColour);
    EXPECT_EQ(screenPixel(main, downShaft.x, downShaft.y), state.downArrowColour);
    EXPECT_EQ(screenPixel(main, 40, 306), fx::black);  // the separator line
    EXPECT_EQ(screenPixel(main, 4, 150), state.windowColour);
}

}  // namespace
