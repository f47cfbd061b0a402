#pragma once
// The one owner of every GDI object the Win32 layer makes. Windows allows a process
// only so many GDI objects, and a leak of one brush per message ends a long run, so
// nothing is made per message: brushes and pens are made once per colour and kept,
// the font once, and each window's image once. The owner counts the objects alive
// (made minus deleted), which is how a test sees a leak: Wine's GetGuiResources
// always answers 0.

#include <windows.h>

#include <map>

#include "window/window_types.h"

namespace fx {

// A window's persistent image: a bitmap of the window's colour format, selected into a
// memory DC for the window's whole life.
struct GdiImage {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ firstBitmap = nullptr;  // the DC's own bitmap, put back before deletion
    Size size;
};

class GdiObjects {
public:
    GdiObjects() = default;
    GdiObjects(const GdiObjects&) = delete;
    GdiObjects& operator=(const GdiObjects&) = delete;
    // Deletes whatever is still alive; nothing may still be selected into a DC then.
    ~GdiObjects();

    // A solid brush of the colour, made on first use.
    HBRUSH brush(Colour colour);
    // A solid pen one pixel wide, made on first use.
    HPEN pen(Colour colour);
    // "Ariel", 8 points, bold, at the lowest quality; height from the screen's DPI.
    HFONT controlFont();

    // An image of the given size compatible with the window's DC (a bitmap made from a
    // memory DC would be monochrome), filled with the colour.
    GdiImage makeImage(HWND window, Size size, Colour fill);
    void deleteImage(GdiImage& image);

    // Objects made and not yet deleted.
    int liveObjects() const { return live_; }

private:
    void made(HGDIOBJ object);
    void deleted(HGDIOBJ object);

    std::map<Colour, HBRUSH> brushes_;
    std::map<Colour, HPEN> pens_;
    HFONT font_ = nullptr;
    int live_ = 0;
};

}  // namespace fx
