#pragma once
// Start-up, the message loop and shut-down.

namespace fx {

struct Monitor;

// Start-up steps 9 and 10: the main window and the hidden options window, each built
// from its tables and wired to its event handler.
void buildWindows(Monitor& monitor);

// Start-up steps 9 to 13: the main window, the hidden options window, the history,
// the "Reference Day:" list and "Started ZA Daderer". (Steps 0 to 8 happen when the
// Monitor is made.)
void startMonitor(Monitor& monitor);

// Step 14: message passes until keepRunning is 0 after a pass.
void runMessageLoop(Monitor& monitor);

// Step 15: closes the main window, then the options window, and stops timer 1.
// Returns the process's exit code, 0.
int shutDownMonitor(Monitor& monitor);

}  // namespace fx
