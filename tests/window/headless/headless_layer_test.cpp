#include "window/headless/headless_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using fx::EventKind;
using fx::WindowEvent;

const fx::WindowSpec plainWindow = {
    {0, 0}, {200, 150}, fx::WindowFrame::FixedNoMinimise, true, false};

TEST(PixelImage, LinesLeaveOutTheirEndPoint) {
    fx::PixelImage image({40, 40}, fx::rgb(1, 1, 1));
    const fx::Colour red = fx::rgb(255, 0, 0);
    image.line({10, 5}, {10, 25}, red);
    EXPECT_EQ(image.at(10, 5), red);
    EXPECT_EQ(image.at(10, 24), red);
    EXPECT_EQ(image.at(10, 25), fx::rgb(1, 1, 1));
    image.line({10, 5}, {5, 17}, red);  // a steep diagonal reaches x 5 only at its end
    EXPECT_EQ(image.at(5, 17), fx::rgb(1, 1, 1));
    EXPECT_EQ(image.at(6, 15), red);
}

TEST(PixelImage, FillsExcludeTheRightAndBottomEdgesAndClip) {
    fx::PixelImage image({20, 20}, fx::black);
    const fx::Colour c = fx::rgb(9, 9, 9);
    image.fill({-5, -5, 10, 10}, c);
    EXPECT_EQ(image.at(0, 0), c);
    EXPECT_EQ(image.at(4, 4), c);
    EXPECT_EQ(image.at(5, 5), fx::black);
}

TEST(HeadlessLayer, AbsentControlsDoNothingAndAnswerEmpty) {
    fx::HeadlessLayer layer;
    const fx::WindowId w = layer.openWindow(plainWindow, "t", nullptr);
    layer.setControlText(w, 99, "x");
    layer.setEnabled(w, 99, true);
    EXPECT_EQ(layer.controlText(w, 99), "");
    EXPECT_FALSE(layer.isEnabled(w, 99));
    EXPECT_EQ(layer.selectedPosition(w, 99), -1);
    EXPECT_EQ(layer.rowCount(w, 99), 0);
    EXPECT_EQ(layer.cellText(7, 1, 0, 0), "");
    EXPECT_FALSE(layer.click(w, 99));
}

TEST(HeadlessLayer, AnEventDeliveredWhileABoxIsOpenLeavesTheOuterEventAlone) {
    fx::HeadlessLayer layer;
    fx::WindowId w = fx::noWindow;
    std::vector<int> outerMenuIdsAfterBox;
    w = layer.openWindow(plainWindow, "t", [&](const WindowEvent& e) {
        if (e.kind != EventKind::MenuCommand) return;
        layer.showMessage(w, "text", "caption", fx::MessageIcon::Information,
                          fx::MessageButtons::Ok);
        outerMenuIdsAfterBox.push_back(e.menuId);
    });
    layer.startTimer(w, 1, 1000);
    layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] { layer.tick(w, 1); });
    layer.chooseMenu(w, 2);  // no menu bar: not deliverable
    layer.deliver(w, {EventKind::MenuCommand, 2});
    ASSERT_EQ(outerMenuIdsAfterBox.size(), 1u);
    EXPECT_EQ(outerMenuIdsAfterBox[0], 2);
}

}  // namespace
