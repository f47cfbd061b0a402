#pragma once
// An RGB image of a window's client area, so that tests can read back drawn pixels.
//
// Drawing only records what to draw; the pixels are made when someone reads them. A
// monitor that runs for hours redraws the same status texts and arrow cells every
// second, and nobody looks at the image in between: a drawing wholly covered by a later
// fill of the same rectangle is forgotten before it costs any pixels.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "window/headless/fill_index.h"
#include "window/window_types.h"

namespace fx {

class PixelImage {
public:
    PixelImage() = default;
    PixelImage(Size size, Colour fill);

    Size size() const { return size_; }
    // The colour at (x, y); black outside the image.
    Colour at(int x, int y) const {
        if (!pending_.empty()) render();
        if (x < 0 || y < 0 || x >= size_.width || y >= size_.height) return black;
        return pixels_[static_cast<std::size_t>(y) * size_.width + x];
    }
    void set(int x, int y, Colour colour);
    // Fills the rectangle, right and bottom edges excluded, clipped to the image.
    void fill(Rect rect, Colour colour);
    // A one-pixel line from one point to the other; the end point is not drawn.
    void line(Point from, Point to, Colour colour);

private:
    enum class Kind : std::uint8_t { Fill, Line, Forgotten };
    struct Drawing {
        Kind kind;
        Colour colour;
        Rect area;  // Fill: the clipped rectangle; Line: from (x, y) to (width, height)
        // The fill, drawn just before, whose rectangle holds this line; npos: none.
        std::size_t insideFill;
    };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    // More pending drawings than this are drawn at once, so memory stays bounded
    // whatever is drawn.
    static constexpr std::size_t mostPending = 4096;

    void record(const Drawing& drawing);
    void forgetFillAndItsLines(std::size_t fill);
    void dropForgotten();
    void render() const;
    void fillNow(const Rect& area, Colour colour) const;
    void lineNow(Point from, Point to, Colour colour) const;

    Size size_;
    mutable std::vector<Colour> pixels_;
    mutable std::vector<Drawing> pending_;  // oldest first
    // The latest pending fill of each rectangle, by packed rectangle.
    mutable FillIndex latestFill_;
    mutable std::size_t openFill_ = npos;  // the fill that following lines may lie inside
    mutable std::size_t forgotten_ = 0;
    std::vector<std::size_t> newIndex_;  // dropForgotten's working room
};

}  // namespace fx
