// Direct drawing: every line, rectangle and text goes into the window's persistent
// image and onto the screen, so a repaint from the image shows it again.

#include "window/win32/win32_layer.h"

namespace fx {

namespace {

// Selects an object into a DC for one drawing and puts the previous one back, so that
// no object of the layer stays selected where it could not be deleted.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

RECT toRect(Rect rect) { return {rect.x, rect.y, rect.right(), rect.bottom()}; }

}  // namespace

void Win32Layer::drawOnBothSurfaces(Win32Window& window, const std::function<void(HDC)>& draw) {
    if (window.image.dc) draw(window.image.dc);
    HDC screen = GetDC(window.handle);
    if (!screen) return;
    draw(screen);
    ReleaseDC(window.handle, screen);
}

void Win32Layer::drawLine(WindowId id, Point from, Point to, Colour colour) {
    Win32Window* window = find(id);
    if (!window) return;
    HPEN pen = gdi_.pen(colour);
    drawOnBothSurfaces(*window, [&](HDC dc) {
        Selection selected(dc, pen);
        MoveToEx(dc, from.x, from.y, nullptr);
        LineTo(dc, to.x, to.y);
    });
}

void Win32Layer::drawRectangleOutline(WindowId id, Rect rect, Colour colour) {
    Win32Window* window = find(id);
    if (!window) return;
    HPEN pen = gdi_.pen(colour);
    drawOnBothSurfaces(*window, [&](HDC dc) {
        Selection selectedPen(dc, pen);
        Selection hollow(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, rect.x, rect.y, rect.right(), rect.bottom());
    });
}

void Win32Layer::fillRectangle(WindowId id, Rect rect, Colour colour) {
    Win32Window* window = find(id);
    if (!window) return;
    HBRUSH brush = gdi_.brush(colour);
    const RECT area = toRect(rect);
    drawOnBothSurfaces(*window, [&](HDC dc) { FillRect(dc, &area, brush); });
}

void Win32Layer::drawText(WindowId id, Point topLeft, std::string_view text) {
    Win32Window* window = find(id);
    if (!window) return;
    HFONT font = gdi_.controlFont();
    const DrawingState state = window->drawing;
    drawOnBothSurfaces(*window, [&](HDC dc) {
        Selection selected(dc, font);
        SetTextColor(dc, state.textColour);
        SetBkColor(dc, state.textBackground);
        SetBkMode(dc, OPAQUE);
        SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
        TextOutA(dc, topLeft.x, topLeft.y, text.data(), static_cast<int>(text.size()));
    });
}

ImagePixels Win32Layer::readImage(WindowId id) {
    ImagePixels copy;
    Win32Window* window = find(id);
    if (!window || !window->image.dc) return copy;
    const Size size = window->image.size;
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.width;
    format.bmiHeader.biHeight = -size.height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> raw(static_cast<std::size_t>(size.width) * size.height);
    // The bitmap may not be selected into a DC while it is read.
    SelectObject(window->image.dc, window->image.firstBitmap);
    const int rows = GetDIBits(window->image.dc, window->image.bitmap, 0, size.height, raw.data(),
                               &format, DIB_RGB_COLORS);
    SelectObject(window->image.dc, window->image.bitmap);
    if (rows != size.height) return copy;
    copy.size = size;
    copy.pixels.reserve(raw.size());
    for (DWORD pixel : raw)  // 0x00RRGGBB
        copy.pixels.push_back(rgb((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    return copy;
}

}  // namespace fx
