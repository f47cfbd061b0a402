#include "controller/event_log.h"

#include <string>
#include <vector>

#include "shell/main_window.h"
#include "shell/monitor.h"
#include "text/clock.h"
#include "text/text_file.h"

namespace fx {

namespace {

// "MM-DD-YYYY_HHMM.txt"; the hour and the minute come from the same reading as the
// date, so a save at a full hour cannot be named after the hour before.
std::string saveFileName(const LocalTime& time) {
    const std::string clockTime = timeText(time);
    return dateText(time) + "_" + clockTime.substr(0, 2) + clockTime.substr(3, 2) + ".txt";
}

// The lines of the file, newest row first. Taken before the file is created, so rows
// logged while a message box of the save is open are not in it.
std::vector<std::string> logLines(Monitor& monitor) {
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.mainWindow;
    const int rows = layer.rowCount(window, mainwin::eventLogList);
    std::vector<std::string> lines;
    lines.reserve(rows > 0 ? static_cast<std::size_t>(rows) : 0);
    for (int row = 0; row < rows; ++row) {
        lines.push_back(layer.cellText(window, mainwin::eventLogList, row, 0) + "," +
                        layer.cellText(window, mainwin::eventLogList, row, 1) + "," +
                        layer.cellText(window, mainwin::eventLogList, row, 2));
    }
    return lines;
}

// Every line, then the close; false when any of it failed (disk full, device gone),
// so a short file is never reported as complete.
bool writeLogFile(const std::string& path, const std::vector<std::string>& lines) {
    OutputTextFile file;
    if (!file.create(path)) return false;
    for (const std::string& line : lines) writeLine(file, line);
    return file.close();
}

}  // namespace

void logEvent(Monitor& monitor, std::string_view description) {
    // One reading for both cells: a row logged at midnight cannot pair the old date
    // with the new time.
    const LocalTime now = monitor.clock.now();
    WindowLayer& layer = monitor.layer;
    const WindowId window = monitor.mainWindow;
    layer.insertRowAtTop(window, mainwin::eventLogList, dateText(now));
    layer.setCellText(window, mainwin::eventLogList, 0, 1, timeText(now));
    layer.setCellText(window, mainwin::eventLogList, 0, 2, description);
}

void saveLog(Monitor& monitor) {
    const std::vector<std::string> lines = logLines(monitor);
    const std::string path = monitor.workingPath(saveFileName(monitor.clock.now()));
    if (writeLogFile(path, lines)) {
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
