#include "window/headless/pixel_image.h"

#include <algorithm>
#include <cstdlib>

namespace fx {

namespace {

// A rectangle inside the image: every field fits in 16 bits.
std::uint64_t packed(const Rect& r) {
    return static_cast<std::uint64_t>(r.x) | static_cast<std::uint64_t>(r.y) << 16 |
           static_cast<std::uint64_t>(r.width) << 32 | static_cast<std::uint64_t>(r.height) << 48;
}

bool holds(const Rect& outer, int left, int top, int right, int bottom) {
    return left >= outer.x && top >= outer.y && right < outer.right() && bottom < outer.bottom();
}

}  // namespace

PixelImage::PixelImage(Size size, Colour fill)
    : size_(size), pixels_(static_cast<std::size_t>(size.width) * size.height, fill) {}

void PixelImage::set(int x, int y, Colour colour) { fill({x, y, 1, 1}, colour); }

void PixelImage::fill(Rect rect, Colour colour) {
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.right(), size_.width);
    const int bottom = std::min(rect.bottom(), size_.height);
    if (left >= right || top >= bottom) return;
    const Rect area{left, top, right - left, bottom - top};
    if (area.width == size_.width && area.height == size_.height) {
        // The whole image: nothing drawn before it can show.
        pending_.clear();
        latestFill_.clear();
        openFill_ = npos;
        forgotten_ = 0;
    }
    bool first = false;
    std::size_t& latest = latestFill_.findOrAdd(packed(area), pending_.size(), first);
    if (!first) {
        forgetFillAndItsLines(latest);
        latest = pending_.size();
    }
    record({Kind::Fill, colour, area, npos});
    // Drawn at once when too much was pending; else the lines that follow may lie inside.
    openFill_ = pending_.empty() ? npos : pending_.size() - 1;
}

void PixelImage::line(Point from, Point to, Colour colour) {
    if (from == to) return;  // only the end point, which is not drawn
    std::size_t inside = npos;
    if (openFill_ != npos &&
        holds(pending_[openFill_].area, std::min(from.x, to.x), std::min(from.y, to.y),
              std::max(from.x, to.x), std::max(from.y, to.y)))
        inside = openFill_;
    record({Kind::Line, colour, {from.x, from.y, to.x, to.y}, inside});
    if (inside == npos) openFill_ = npos;
}

void PixelImage::record(const Drawing& drawing) {
    pending_.push_back(drawing);
    if (pending_.size() - forgotten_ > mostPending) {
        render();
    } else if (forgotten_ > 64 && forgotten_ * 2 > pending_.size()) {
        dropForgotten();
    }
}

// A fill of the same rectangle covers the earlier fill and the lines drawn inside it
// right after it.
void PixelImage::forgetFillAndItsLines(std::size_t fill) {
    pending_[fill].kind = Kind::Forgotten;
    ++forgotten_;
    for (std::size_t i = fill + 1; i < pending_.size() && pending_[i].insideFill == fill; ++i) {
        pending_[i].kind = Kind::Forgotten;
        ++forgotten_;
    }
    if (openFill_ == fill) openFill_ = npos;
}

void PixelImage::dropForgotten() {
    // The new places are kept in a buffer of the image's own, so that the drawings of a
    // long run cost no allocation once it has its room.
    std::vector<std::size_t>& newIndex = newIndex_;
    newIndex.assign(pending_.size(), npos);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < pending_.size(); ++i) {
        if (pending_[i].kind == Kind::Forgotten) continue;
        Drawing drawing = pending_[i];
        if (drawing.insideFill != npos) drawing.insideFill = newIndex[drawing.insideFill];
        newIndex[i] = kept;
        pending_[kept++] = drawing;
    }
    pending_.resize(kept);
    latestFill_.renumber(newIndex);
    if (openFill_ != npos) openFill_ = newIndex[openFill_];
    forgotten_ = 0;
}

void PixelImage::render() const {
    for (const Drawing& drawing : pending_) {
        if (drawing.kind == Kind::Fill) fillNow(drawing.area, drawing.colour);
        if (drawing.kind == Kind::Line)
            lineNow({drawing.area.x, drawing.area.y}, {drawing.area.width, drawing.area.height},
                    drawing.colour);
    }
    pending_.clear();
    latestFill_.clear();
    openFill_ = npos;
    forgotten_ = 0;
}

void PixelImage::fillNow(const Rect& area, Colour colour) const {
    for (int y = area.y; y < area.bottom(); ++y) {
        Colour* row = pixels_.data() + static_cast<std::size_t>(y) * size_.width;
        std::fill(row + area.x, row + area.right(), colour);
    }
}

// Bresenham's line, as the platform draws a one-pixel pen: every pixel from the
// start up to, but not including, the end point.
void PixelImage::lineNow(Point from, Point to, Colour colour) const {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    int x = from.x;
    int y = from.y;
    while (x != to.x || y != to.y) {
        if (x >= 0 && y >= 0 && x < size_.width && y < size_.height)
            pixels_[static_cast<std::size_t>(y) * size_.width + x] = colour;
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
