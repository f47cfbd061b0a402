#include "controller/options_window_events.h"

#include <optional>
#include <string>

#include "monitor/monitor.h"
#include "monitor/options_window.h"

namespace fx {

using namespace optwin;

namespace {

// "Exit" refuses to hide the window while the pair-in-slot alert is on without its
// pair or its slot; the two complaints are independent and come in this order.
void onExit(Monitor& monitor) {
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.optionsWindow;
    if (layer.isChecked(window, slotAlertCheck)) {
        bool complained = false;
        if (layer.selectedPosition(window, slotAlertPairCombo) < 0) {
            layer.showMessage(window, "Please Select a Pair or uncheck the box.", "Error",
                              MessageIcon::Exclamation, MessageButtons::Ok);
            complained = true;
        }
        if (layer.selectedPosition(window, slotAlertSlotCombo) < 0) {
            layer.showMessage(window, "Please Select a Target Slot for the pair.", "Error",
                              MessageIcon::Information, MessageButtons::Ok);
            complained = true;
        }
        if (complained) return;
    }
    layer.showWindow(window, false);
}

}  // namespace

void onOptionsWindowEvent(Monitor& monitor, const WindowEvent& event) {
    if (event.kind == EventKind::CloseRequest) {
        monitor.layer.showWindow(monitor.optionsWindow, false);
        return;
    }
    if (event.kind != EventKind::ControlNotify) return;
    switch (event.controlId) {
        case anchorAlertCheck:
        case biasAlertCheck:
        case groupAlertCheck:
        case slotAlertCheck:
            // The box has already toggled itself; only switching an alert on asks for a sound.
            if (monitor.layer.isChecked(monitor.optionsWindow, event.controlId))
                chooseSoundFile(monitor, soundBoxOf(event.controlId));
            break;
        case exitButton:
            onExit(monitor);
            break;
        default:
            break;
    }
}

void chooseSoundFile(Monitor& monitor, int soundBoxId) {
    const std::optional<std::string> path = monitor.layer.chooseFileToOpen(
        {"Select A Sound File", "Sound File (*.wav)", "*.wav", "wav"});
    // Cancelling empties the box: the alert then fires without a sound.
    monitor.layer.setControlText(monitor.optionsWindow, soundBoxId, path.value_or(""));
}

}  // namespace fx
