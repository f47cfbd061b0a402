#pragma once
// Where top-level windows and modal boxes go: centred over something, then kept
// inside the screen's work area (the desktop without the task bar).

#include <windows.h>

namespace fx {

// The work area of the screen.
RECT workArea();

// The box moved so that it is centred over the area: its left edge at the area's left
// edge plus half the difference of the two widths, its top likewise.
RECT centredOver(const RECT& box, const RECT& area);

// The box moved back inside the area: a left or top edge before the area's becomes
// the area's, and a box that sticks out past the right or bottom edge is moved left or
// up until it fits.
RECT keptInside(const RECT& box, const RECT& area);

// Moves a top-level window without resizing, activating or reordering it.
void moveWindowTo(HWND window, const RECT& place);

}  // namespace fx
