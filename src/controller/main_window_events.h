#pragma once
// The main window's event handler: the real-time cycle, the menu commands, the
// "Real-Time Mode" box, the "Reference Day:" list and the simulator's buttons.

#include "window/window_layer.h"

namespace fx {

struct Monitor;

void onMainWindowEvent(Monitor& monitor, const WindowEvent& event);

// One pass of the real-time cycle.
void onRealTimeTick(Monitor& monitor);
// The six status texts, drawn straight onto the main window.
void drawStatusPanel(Monitor& monitor);
void selectLogInterval(Monitor& monitor, int minutes);
void setRealTimeMode(Monitor& monitor);
void changeReferenceDay(Monitor& monitor);

}  // namespace fx
