#include "window/win32/gdi_objects.h"

namespace fx {

GdiObjects::~GdiObjects() {
    for (auto& [colour, brush] : brushes_) deleted(brush);
    for (auto& [colour, pen] : pens_) deleted(pen);
    if (font_) deleted(font_);
}

void GdiObjects::made(HGDIOBJ object) {
    if (object) ++live_;
}

void GdiObjects::deleted(HGDIOBJ object) {
    if (object && DeleteObject(object)) --live_;
}

HBRUSH GdiObjects::brush(Colour colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(colour);
    made(brush);
    if (brush) brushes_.emplace(colour, brush);
    return brush;
}

HPEN GdiObjects::pen(Colour colour) {
    auto found = pens_.find(colour);
    if (found != pens_.end()) return found->second;
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    made(pen);
    if (pen) pens_.emplace(colour, pen);
    return pen;
}

HFONT GdiObjects::controlFont() {
    if (font_) return font_;
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    // DRAFT_QUALITY is the lowest of the rendering qualities a font can ask for.
    font_ = CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DRAFT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, "Ariel");
    made(font_);
    return font_;
}

GdiImage GdiObjects::makeImage(HWND window, Size size, Colour fill) {
    GdiImage image;
    HDC windowDc = GetDC(window);
    image.dc = CreateCompatibleDC(windowDc);
    made(image.dc);
    image.bitmap = CreateCompatibleBitmap(windowDc, size.width, size.height);
    made(image.bitmap);
    ReleaseDC(window, windowDc);
    if (!image.dc || !image.bitmap) {
        deleteImage(image);
        return {};
    }
    image.firstBitmap = SelectObject(image.dc, image.bitmap);
    image.size = size;
    const RECT whole = {0, 0, size.width, size.height};
    FillRect(image.dc, &whole, brush(fill));
    return image;
}

void GdiObjects::deleteImage(GdiImage& image) {
    if (image.dc && image.firstBitmap) SelectObject(image.dc, image.firstBitmap);
    deleted(image.bitmap);
    if (image.dc && DeleteDC(image.dc)) --live_;
    image = {};
}

}  // namespace fx
