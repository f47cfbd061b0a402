// The image draws when it is read, forgetting what later fills cover: whatever the
// drawings, it must end with the pixels of an image that drew each one at once.

#include <gtest/gtest.h>

#include <random>

#include "window/headless/pixel_image.h"

namespace {

TEST(LazyImageTest, UnreadDrawingsEndAsIfEachWereDrawnAtOnce) {
    const fx::Size size = {40, 30};
    // Rectangles that repeat, overlap, nest, stick out, and cover the whole image.
    const fx::Rect rects[] = {{2, 2, 10, 8},    {2, 2, 10, 8},   {5, 4, 3, 3},   {0, 0, 40, 30},
                              {30, 20, 20, 20}, {-5, 10, 12, 4}, {8, 6, 15, 12}, {3, 3, 1, 1}};
    std::mt19937 random(14);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> coordinate(-3, 42);
    for (int round = 0; round < 20; ++round) {
        fx::PixelImage lazy(size, fx::black);
        fx::PixelImage eager(size, fx::black);
        fx::Rect lastFill = rects[0];
        for (int step = 0; step < 5000; ++step) {
            const fx::Colour colour = fx::rgb(pick(random), step % 256, round);
            const int what = pick(random);
            if (what < 40) {
                lastFill = rects[what % std::size(rects)];
                lazy.fill(lastFill, colour);
                eager.fill(lastFill, colour);
            } else if (what < 80) {  // a line inside the last fill, as arrows are drawn
                const fx::Point from = {lastFill.x + what % lastFill.width, lastFill.y};
                const fx::Point to = {lastFill.x, lastFill.y + what % lastFill.height};
                lazy.line(from, to, colour);
                eager.line(from, to, colour);
            } else {
                const fx::Point from = {coordinate(random), coordinate(random)};
                const fx::Point to = {coordinate(random), coordinate(random)};
                lazy.line(from, to, colour);
                eager.line(from, to, colour);
            }
            if (round % 2 == 0 || step % 97 == 0) eager.at(0, 0);  // drawn now
        }
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x)
                ASSERT_EQ(lazy.at(x, y), eager.at(x, y)) << round << ": " << x << "," << y;
    }
}

}  // namespace
