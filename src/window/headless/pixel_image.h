#pragma once
// An RGB image of a window's client area, drawn at once, so that tests can read back
// the drawn pixels.

#include <vector>

#include "window/window_types.h"

namespace fx {

class PixelImage {
public:
    PixelImage() = default;
    PixelImage(Size size, Colour fill);

    Size size() const { return size_; }
    // The colour at (x, y); black outside the image.
    Colour at(int x, int y) const;
    void set(int x, int y, Colour colour);
    // Fills the rectangle, right and bottom edges excluded, clipped to the image.
    void fill(Rect rect, Colour colour);
    // A one-pixel line from one point to the other; the end point is not drawn.
    void line(Point from, Point to, Colour colour);

private:
    Size size_;
    std::vector<Colour> pixels_;
};

}  // namespace fx
