#include "ranking/arrows.h"

#include <gtest/gtest.h>

#include "ranking_bench.h"
#include "window/headless/pixel_image.h"

namespace {

using fxtest::RankingBench;

constexpr fx::Colour marker = fx::rgb(1, 2, 3);

int cellTop(int slotIndex) { return 140 + 24 * slotIndex; }

// The arrow cell as the drawing rules describe it, made on a copy of the image.
void drawExpectedArrow(fx::PixelImage& image, int slotIndex, bool up) {
    const int y = cellTop(slotIndex);
    image.fill({3, y - 1, 15, 22}, fxtest::windowColour);
    const fx::Colour colour = up ? fxtest::upArrowColour : fxtest::downArrowColour;
    const int tip = up ? y : y + 20;
    image.line({10, y}, {10, y + 20}, colour);
    image.line({11, y}, {11, y + 20}, colour);
    image.line({10, tip}, {5, y + 12}, colour);
    image.line({11, tip}, {5, y + 13}, colour);
    image.line({10, tip}, {15, y + 12}, colour);
    image.line({10, tip}, {15, y + 13}, colour);
}

bool sameImage(const fx::PixelImage& a, const fx::PixelImage& b) {
    if (a.size() != b.size()) return false;
    for (int y = 0; y < a.size().height; ++y)
        for (int x = 0; x < a.size().width; ++x)
            if (a.at(x, y) != b.at(x, y)) return false;
    return true;
}

class Arrows : public testing::Test {
protected:
    RankingBench bench;
    fx::PixelImage& image() { return bench.layer().window(bench.h.mainWindow())->image; }
    // Paints every arrow cell, with a margin, so that a wipe and a drawing show.
    void markCells() {
        bench.layer().fillRectangle(bench.h.mainWindow(), {0, 130, 22, 350}, marker);
    }
};

TEST_F(Arrows, FirstRankingDrawsNoneButRecordsEverySlot) {
    const fx::PixelImage before = image();
    // Every pair below slot 1 counts as fallen from slot 1, yet nothing is drawn.
    bench.rankWithMoves({});
    EXPECT_TRUE(sameImage(image(), before));
    EXPECT_EQ(bench.monitor().state.arrowSuppression, 0);
    // The same ranking again: no pair moved since the first run, so still nothing.
    markCells();
    const fx::PixelImage marked = image();
    bench.rankWithMoves({});
    EXPECT_TRUE(sameImage(image(), marked));
}

TEST_F(Arrows, SecondRankingMarksExactlyTheSlotsThatChanged) {
    bench.rankWithMoves({});
    markCells();
    fx::PixelImage expected = image();
    // Entry 2 jumps to slot 1, entry 0 falls to slot 3, entry 1 stays in slot 2.
    bench.rankWithMoves({0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    drawExpectedArrow(expected, 0, true);
    drawExpectedArrow(expected, 2, false);
    EXPECT_TRUE(sameImage(image(), expected));

    // Spot checks that do not depend on the line drawing.
    const int y0 = cellTop(0);
    const int y2 = cellTop(2);
    EXPECT_EQ(image().at(10, y0), fxtest::upArrowColour);
    EXPECT_EQ(image().at(10, y0 + 20), fxtest::windowColour);  // shaft end not drawn
    EXPECT_EQ(image().at(3, y0 - 1), fxtest::windowColour);    // wiped corner
    EXPECT_EQ(image().at(17, y0 + 20), fxtest::windowColour);
    EXPECT_EQ(image().at(18, y0 + 20), marker);  // outside the cell
    EXPECT_EQ(image().at(2, y0 - 1), marker);
    EXPECT_EQ(image().at(10, y2 + 20), fxtest::downArrowColour);  // the down arrow's tip
    EXPECT_EQ(image().at(11, y2 + 10), fxtest::downArrowColour);
    EXPECT_EQ(image().at(10, cellTop(1) + 10), marker);  // slot 2 untouched
}

TEST_F(Arrows, AnArrowStaysUntilItsSlotChangesAgain) {
    bench.rankWithMoves({});
    bench.rankWithMoves({0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const fx::PixelImage after = image();
    bench.rankWithMoves({0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(sameImage(image(), after));

    // Entry 13 jumps to slot 1 and the exchanges put entry 2 in slot 2 and entry 1 in
    // slot 14; entry 0 stays in slot 3, whose down arrow from before stays visible.
    fx::PixelImage expected = after;
    bench.rankWithMoves({0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30});
    ASSERT_EQ(bench.h.slotPair(0), bench.groupSymbol(13));
    ASSERT_EQ(bench.h.slotPair(1), bench.groupSymbol(2));
    ASSERT_EQ(bench.h.slotPair(2), bench.groupSymbol(0));
    ASSERT_EQ(bench.h.slotPair(13), bench.groupSymbol(1));
    drawExpectedArrow(expected, 0, true);
    drawExpectedArrow(expected, 1, false);
    drawExpectedArrow(expected, 13, false);
    EXPECT_TRUE(sameImage(image(), expected));
    EXPECT_EQ(image().at(10, cellTop(2) + 20), fxtest::downArrowColour);
}

TEST_F(Arrows, DrawingFunctionsDoNothingWhileSuppressed) {
    markCells();
    const fx::PixelImage marked = image();
    fx::drawUpArrow(bench.monitor(), 4);
    fx::drawDownArrow(bench.monitor(), 5);
    EXPECT_TRUE(sameImage(image(), marked));
}

}  // namespace
