#pragma once
// The Sounds/Alert Options window's event handler: its check boxes ask for sound
// files, "Exit" checks the pair-in-slot settings, the close box hides it.

#include "window/window_layer.h"

namespace fx {

struct Monitor;

void onOptionsWindowEvent(Monitor& monitor, const WindowEvent& event);

// Asks for a .wav file; the chosen path, or "" on cancel, becomes the sound box's text.
void chooseSoundFile(Monitor& monitor, int soundBoxId);

}  // namespace fx
