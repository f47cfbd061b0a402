// A ranking run in a headless monitor: the slot boxes, the arrows and the anchors.

#include "ranking/ranking.h"

#include <gtest/gtest.h>

#include <climits>

#include "monitor/main_window.h"
#include "ranking/arrows.h"
#include "support/headless_monitor.h"
#include "window/headless/pixel_image.h"

namespace {

using fxtest::Lines;
namespace mw = fx::mainwin;

constexpr fx::Colour windowColour = fx::rgb(204, 204, 153);
constexpr fx::Colour upColour = fx::rgb(34, 139, 34);
constexpr fx::Colour downColour = fx::rgb(238, 0, 0);
constexpr fx::Colour marker = fx::rgb(1, 2, 3);

class RankingTest : public testing::Test {
protected:
    RankingTest() {
        h.writeData(3);
        h.start();
    }
    fxtest::HeadlessMonitor h;
    const fx::RankingState& ranking() { return h.monitor().ranking; }
    fx::PixelImage& image() { return h.layer.window(h.mainWindow())->image; }
};

TEST_F(RankingTest, SlotBoxesShowGroupColoursAndMovesAndTheEndsMakeTheAnchorBias) {
    // The sell pair GBPUSD first, the buy pair AUDUSD last.
    h.rankWithMoves({0, -7, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0});
    const fx::HeadlessControl* top = h.layer.control(h.mainWindow(), mw::slotPairBox(0));
    const fx::HeadlessControl* bottom = h.layer.control(h.mainWindow(), mw::slotPairBox(13));
    EXPECT_EQ(top->text, "GBPUSD");
    EXPECT_EQ(top->textColour, fx::black);
    EXPECT_EQ(top->backgroundColour, fx::rgb(255, 105, 180));
    EXPECT_EQ(bottom->text, "AUDUSD");
    EXPECT_EQ(bottom->backgroundColour, fx::rgb(84, 255, 159));
    EXPECT_EQ(h.slotValue(0), " 30");
    EXPECT_EQ(h.slotValue(13), " -7");
    EXPECT_EQ(ranking().anchorBias, 23);
}

// Was: extreme prices from the files wrapped the 32-bit sums.
TEST_F(RankingTest, HugePricesFromTheFilesSaturateAndTheMonitorRunsOn) {
    fxtest::HeadlessMonitor big(fx::VariantId::V17c);
    const int audusd = big.pairIndex("AUDUSD");
    big.writeData(2);
    big.writeHistoryLines(audusd, fxtest::historyDate(0) + "," + std::string(30, '9') + "\r\n" +
                                      fxtest::historyDate(1) + ",1.2345\r\n");
    big.start();
    ASSERT_EQ(big.monitor().prices.historyRowCount, 2);
    big.chooseReferenceDay(0);
    big.clickMain(mw::realTimeModeCheck);
    EXPECT_EQ(big.tick(2), 2);
    EXPECT_EQ(big.monitor().ranking.pipMove[audusd], INT_MIN);
    EXPECT_EQ(big.monitor().ranking.buyPower, INT_MIN);
    EXPECT_EQ(big.slotValue(13), " -2147483648");
    EXPECT_EQ(big.monitor().state.keepRunning, 1);
}

int cellTop(int slotIndex) { return 140 + 24 * slotIndex; }

// An arrow cell as the drawing rules describe it: wiped, then six lines from the slot's
// top y (end points not drawn), the head at the top or at the bottom.
void drawExpectedArrow(fx::PixelImage& image, int slotIndex, bool up) {
    const int y = cellTop(slotIndex);
    image.fill({3, y - 1, 15, 22}, windowColour);
    const fx::Colour colour = up ? upColour : downColour;
    const int tip = up ? y : y + 20;
    image.line({10, y}, {10, y + 20}, colour);
    image.line({11, y}, {11, y + 20}, colour);
    image.line({10, tip}, {5, y + 12}, colour);
    image.line({11, tip}, {5, y + 13}, colour);
    image.line({10, tip}, {15, y + 12}, colour);
    image.line({10, tip}, {15, y + 13}, colour);
}

bool sameImage(const fx::PixelImage& a, const fx::PixelImage& b) {
    for (int y = 0; y < a.size().height; ++y)
        for (int x = 0; x < a.size().width; ++x)
            if (a.at(x, y) != b.at(x, y)) return false;
    return a.size() == b.size();
}

TEST_F(RankingTest, TheFirstRunDrawsNoArrowThenChangedSlotsAreMarkedUntilTheyChangeAgain) {
    const auto markCells = [this] { h.layer.fillRectangle(h.mainWindow(), {0, 130, 22, 350}, marker); };
    markCells();
    fx::PixelImage expected = image();
    h.rankWithMoves({});  // every pair below slot 1 counts as fallen from slot 1
    EXPECT_TRUE(sameImage(image(), expected));
    fx::drawUpArrow(h.monitor(), 4);  // no longer suppressed
    drawExpectedArrow(expected, 4, true);
    EXPECT_TRUE(sameImage(image(), expected));

    // Entry 2 jumps to slot 1, entry 0 falls to slot 3, entry 1 stays in slot 2.
    h.rankWithMoves({0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    drawExpectedArrow(expected, 0, true);
    drawExpectedArrow(expected, 2, false);
    EXPECT_TRUE(sameImage(image(), expected));
    EXPECT_EQ(image().at(10, cellTop(2) + 20), downColour);  // the down arrow's tip
    EXPECT_EQ(image().at(18, cellTop(0) + 20), marker);     // right of the cell

    // Nothing moved: every arrow stays as it was.
    h.rankWithMoves({0, 0, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_TRUE(sameImage(image(), expected));
}

// The first run takes both anchors silently. Later a newcomer displaces an anchor only
// more than five pips beyond the anchor's first move; one of the same group raises no alert.
TEST_F(RankingTest, ANewcomerDisplacesTheAnchorOnlyMoreThanFivePipsFromItsFirstMove) {
    h.switchOn(fx::anchorDisplaced, "anchor.wav");
    h.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -15});
    EXPECT_EQ(ranking().topAnchorPair, h.groupSymbol(0));
    EXPECT_EQ(ranking().bottomAnchorPair, h.groupSymbol(13));
    EXPECT_EQ(ranking().bottomAnchorPips, -15);
    EXPECT_EQ(h.newLogLines(), Lines{});
    // The anchor's move grows, but its stored move stays 20.
    h.rankWithMoves({70, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -20});
    EXPECT_EQ(ranking().topAnchorPips, 20);
    const std::string newcomer = h.groupSymbol(1);
    const struct {
        int newcomerMove;
        bool displaces;
    } cases[] = {{25, false}, {15, false}, {26, true}};
    for (const auto& c : cases) {
        h.rankWithMoves({10, c.newcomerMove, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -20});
        EXPECT_EQ(h.newLogLines(), c.displaces ? Lines{"New +anchor: " + newcomer} : Lines{})
            << c.newcomerMove;
    }
    EXPECT_EQ(ranking().topAnchorPair, newcomer);
    EXPECT_EQ(ranking().topAnchorPips, 26);
    // The bottom follows the same rule.
    h.rankWithMoves({10, 26, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -21, -10});
    EXPECT_EQ(h.newLogLines(), Lines{"New -anchor: " + h.groupSymbol(12)});
    EXPECT_TRUE(h.layer.sounds().empty());
}

}  // namespace

namespace {

// The anchors take the ranking's own moves: slot 1's value box, which the platform did
// not create, is not read.
TEST(RankingWithoutABoxTest, AnchorsTakeTheMovesWhereAValueBoxIsMissing) {
    fxtest::HeadlessMonitor h;
    h.layer.failCreating(fx::mainwin::slotPriceBox(0));
    h.writeData(3);
    h.start();
    h.rankWithMoves({20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -15});
    EXPECT_EQ(h.layer.control(h.mainWindow(), fx::mainwin::slotPriceBox(0)), nullptr);
    EXPECT_EQ(h.monitor().ranking.topAnchorPips, 20);
    EXPECT_EQ(h.slotValue(13), " -15");
}

}  // namespace
