#pragma once
// Builds a window from its tables through the window layer: every control is
// created, then given its font, then its colours and its first enabled state, in
// table order; each drawing is made right after the control it follows.

#include <span>

#include "window/window_layer.h"

namespace fx {

enum class DrawingKind { Line, RectangleOutline, Text };

struct DrawingSpec {
    DrawingKind kind = DrawingKind::Line;
    Point from;  // line start, rectangle corner or text's top-left corner
    Point to;    // line end (not drawn)
    Size size;   // rectangle size
    const char* text = "";
    int afterControlId = 0;  // drawn once this control has been created
};

struct WindowTables {
    std::span<const ControlSpec> controls;
    std::span<const DrawingSpec> drawings;
};

// Creates the controls and drawings of the tables on an open window whose
// background and drawing state are already set.
void buildControls(WindowLayer& layer, WindowId window, const WindowTables& tables,
                   Colour windowColour);

// The window's drawing state: black pen and text on the window colour.
DrawingState drawingStateFor(Colour windowColour);

}  // namespace fx
