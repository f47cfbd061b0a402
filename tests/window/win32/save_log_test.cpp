// "Save Log" on the real window: the rows come out of the real list control.

#include <gtest/gtest.h>

#include "monitor/event_log.h"
#include "win32_monitor.h"

namespace {

TEST(SaveLogTest, TheFileListsTheRealListsRowsNewestFirst) {
    fxtest::Win32Monitor app;
    app.writeData(3);
    app.start();
    app.startRealTime();
    app.clock.advanceSeconds(60);
    fx::logEvent(app.monitor(), "A text, with a comma");
    app.chooseMenu(fx::mainwin::saveLogItem);
    ASSERT_EQ(app.modals.seen.size(), 1u);
    EXPECT_EQ(app.modals.seen[0].text, "Log file creation complete.");
    EXPECT_EQ(app.folder.read("03-07-2009_1420.txt"),
              "03-07-2009,14:20:05,A text, with a comma\r\n"
              "03-07-2009,14:19:05,New Reference date: " + fxtest::historyDate(0) + "\r\n"
              "03-07-2009,14:19:05,Started ZA Daderer\r\n");
}

}  // namespace
