#include "window/headless/headless_layer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using fx::EventKind;
using fx::WindowEvent;

// As the platform draws: a line leaves out its end point, a fill its right and bottom
// edges, and both are clipped to the image.
TEST(PixelImage, LinesLeaveOutTheirEndPointAndFillsTheirFarEdges) {
    const fx::Colour ground = fx::rgb(1, 1, 1);
    const fx::Colour ink = fx::rgb(255, 0, 0);
    fx::PixelImage image({40, 40}, ground);
    image.line({10, 5}, {10, 25}, ink);
    image.line({10, 5}, {5, 17}, ink);  // a steep diagonal reaches x 5 only at its end
    image.fill({-5, -5, 10, 10}, ink);
    const std::pair<fx::Point, fx::Colour> pixels[] = {
        {{10, 5}, ink}, {{10, 24}, ink}, {{10, 25}, ground}, {{5, 17}, ground},
        {{6, 15}, ink}, {{0, 0}, ink},   {{4, 4}, ink},      {{5, 5}, ground}};
    for (const auto& [at, colour] : pixels)
        EXPECT_EQ(image.at(at.x, at.y), colour) << at.x << "," << at.y;
}

TEST(HeadlessLayer, AnEventDeliveredWhileABoxIsOpenLeavesTheOuterEventAlone) {
    fx::HeadlessLayer layer;
    fx::WindowId w = fx::noWindow;
    std::vector<int> outerMenuIdsAfterBox;
    w = layer.openWindow({{0, 0}, {200, 150}, fx::WindowFrame::FixedNoMinimise, true, false}, "t",
                         [&](const WindowEvent& e) {
                             if (e.kind != EventKind::MenuCommand) return;
                             layer.showMessage(w, "text", "caption", fx::MessageIcon::Information,
                                               fx::MessageButtons::Ok);
                             outerMenuIdsAfterBox.push_back(e.menuId);
                         });
    layer.startTimer(w, 1, 1000);
    layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] { layer.tick(w, 1); });
    layer.deliver(w, {EventKind::MenuCommand, 2});
    EXPECT_EQ(outerMenuIdsAfterBox, std::vector<int>{2});
}

}  // namespace
