#include "window/headless/pixel_image.h"

#include <algorithm>
#include <cstdlib>

namespace fx {

PixelImage::PixelImage(Size size, Colour fill)
    : size_(size), pixels_(static_cast<std::size_t>(size.width) * size.height, fill) {}

Colour PixelImage::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return black;
    return pixels_[static_cast<std::size_t>(y) * size_.width + x];
}

void PixelImage::set(int x, int y, Colour colour) {
    if (x >= 0 && y >= 0 && x < size_.width && y < size_.height)
        pixels_[static_cast<std::size_t>(y) * size_.width + x] = colour;
}

void PixelImage::fill(Rect rect, Colour colour) {
    const int left = std::max(rect.x, 0);
    const int right = std::min(rect.right(), size_.width);
    for (int y = std::max(rect.y, 0); y < std::min(rect.bottom(), size_.height); ++y)
        for (int x = left; x < right; ++x) set(x, y, colour);
}

// Bresenham's line, as the platform draws a one-pixel pen: every pixel from the
// start up to, but not including, the end point.
void PixelImage::line(Point from, Point to, Colour colour) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x;
    int y = from.y;
    while (x != to.x || y != to.y) {
        set(x, y, colour);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

}  // namespace fx
