#include "window/window_builder.h"

namespace fx {

DrawingState drawingStateFor(Colour windowColour) { return {black, black, windowColour}; }

namespace {

void draw(WindowLayer& layer, WindowId window, const DrawingSpec& drawing) {
    switch (drawing.kind) {
        case DrawingKind::Line:
            layer.drawLine(window, drawing.from, drawing.to, black);
            break;
        case DrawingKind::RectangleOutline:
            layer.drawRectangleOutline(
                window, {drawing.from.x, drawing.from.y, drawing.size.width, drawing.size.height},
                black);
            break;
        case DrawingKind::Text:
            layer.drawText(window, drawing.from, drawing.text);
            break;
    }
}

}  // namespace

void buildControls(WindowLayer& layer, WindowId window, const WindowTables& tables,
                   Colour windowColour) {
    for (const ControlSpec& control : tables.controls) {
        layer.createControl(window, control);
        if (control.font != FontChoice::PlatformDefault)
            layer.setControlFont(window, control.id, control.font);
        if (control.colours == ColourChoice::WindowColours)
            layer.setControlColours(window, control.id, black, windowColour);
        if (!control.initiallyEnabled) layer.setEnabled(window, control.id, false);
        for (const DrawingSpec& drawing : tables.drawings)
            if (drawing.afterControlId == control.id) draw(layer, window, drawing);
    }
}

}  // namespace fx
