#include "window/win32/placement.h"

namespace fx {

RECT workArea() {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

RECT centredOver(const RECT& box, const RECT& area) {
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const int left = area.left + ((area.right - area.left) - width) / 2;
    const int top = area.top + ((area.bottom - area.top) - height) / 2;
    return {left, top, left + width, top + height};
}

RECT keptInside(const RECT& box, const RECT& area) {
    RECT moved = box;
    if (moved.left < area.left) OffsetRect(&moved, area.left - moved.left, 0);
    if (moved.top < area.top) OffsetRect(&moved, 0, area.top - moved.top);
    if (moved.right > area.right) OffsetRect(&moved, area.right - moved.right, 0);
    if (moved.bottom > area.bottom) OffsetRect(&moved, 0, area.bottom - moved.bottom);
    return moved;
}

void moveWindowTo(HWND window, const RECT& place) {
    SetWindowPos(window, nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace fx
