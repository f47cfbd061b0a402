#include "monitor/event_log.h"

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "text/clock.h"
#include "text/text_file.h"

namespace fx {

namespace {


// Every row, newest first, as one line each; then the close. False when any of it
// failed (disk full, device gone), so a short file is never reported as complete; the
// file is written whole or not at all, so a failed save leaves an earlier file of the
// same name as it was.
// The rows are read as they are written: no event can arrive between the file's
// creation and its close, so this is the log as it stood when the save began.
bool writeLogFile(Monitor& monitor, const std::filesystem::path& path) {
    OutputTextFile file;
    if (!file.create(path)) return false;
    monitor.layer.forEachRow(monitor.mainWindow, mainwin::eventLogList, eventLogColumnCount,
                             [&file](std::span<const std::string_view> cells) {
                                 file.write(cells[0]);
                                 file.write(",");
                                 file.write(cells[1]);
                                 file.write(",");
                                 writeLine(file, cells[2]);
                             });
    return file.close();
}

}  // namespace

std::string saveFileName(const LocalTime& time) {
    const std::string clockTime = timeText(time);
    return dateText(time) + "_" + clockTime.substr(0, 2) + clockTime.substr(3, 2) + ".txt";
}

void logEvent(Monitor& monitor, std::string_view description) {
    // One reading for both cells: a row logged at midnight cannot pair the old date
    // with the new time.
    const LocalTime now = monitor.clock.now();
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.mainWindow;
    const int rows = layer.rowCount(window, mainwin::eventLogList);
    layer.insertRowAtTop(window, mainwin::eventLogList, dateText(now));
    // A row the list did not take: row 0 is still the row logged before.
    if (layer.rowCount(window, mainwin::eventLogList) == rows) return;
    layer.setCellText(window, mainwin::eventLogList, 0, 1, timeText(now));
    layer.setCellText(window, mainwin::eventLogList, 0, 2, description);
}

void saveLog(Monitor& monitor) {
    if (writeLogFile(monitor, monitor.saveFolder / saveFileName(monitor.clock.now()))) {
        monitor.layer.showMessage(monitor.mainWindow, "Log file creation complete.", "Complete",
                                  MessageIcon::Information, MessageButtons::Ok);
    } else {
        monitor.layer.showMessage(monitor.mainWindow, "File write failed.", "Failed",
                                  MessageIcon::Information, MessageButtons::Ok);
    }
}

void clearLog(Monitor& monitor) {
    const MessageAnswer answer =
        monitor.layer.showMessage(monitor.mainWindow, "Are you sure you want to clear your log?",
                                  "Clear Log", MessageIcon::Question, MessageButtons::YesNo);
    // Read after the box: rows logged by ticks while it was open go as well.
    if (answer == MessageAnswer::Yes)
        monitor.layer.deleteAllRows(monitor.mainWindow, mainwin::eventLogList);
}

}  // namespace fx
