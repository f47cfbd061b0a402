#pragma once

namespace fx {

// The main window handler's own state.
struct ControllerState {
    int logTickCount = 0;       // real-time ticks since the last periodic log entry
    int referenceDayIndex = 0;  // history row of the chosen reference day
    // A tick that arrives while a cycle is under way (its "Not Found" box is open) is skipped.
    bool realTimeCycleUnderWay = false;
};

}  // namespace fx
