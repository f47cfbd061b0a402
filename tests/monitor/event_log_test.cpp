#include "monitor/event_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "monitor/main_window.h"
#include "support/headless_monitor.h"
#include "text/file_access.h"

namespace {

using fx::MessageAnswer;
using fx::MessageButtons;
using fx::MessageIcon;
using fxtest::HeadlessMonitor;

// The fixture's clock stands at 14:19:05 on 7 March 2009.
constexpr const char* saveFileName = "03-07-2009_1419.txt";
constexpr const char* stamp = "03-07-2009,14:19:05,";

// The last message box: its owner, text, caption, icon and buttons.
void expectLastMessage(HeadlessMonitor& hm, const char* text, const char* caption,
                       MessageIcon icon = MessageIcon::Information,
                       MessageButtons buttons = MessageButtons::Ok) {
    ASSERT_FALSE(hm.layer.messages().empty());
    const fx::MessageRecord& last = hm.layer.messages().back();
    EXPECT_EQ(last.owner, hm.mainWindow());
    EXPECT_EQ(std::tie(last.text, last.caption, last.icon, last.buttons),
              std::tie(text, caption, icon, buttons));
}

class EventLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        hm.writeData(3);
        hm.start();
    }
    HeadlessMonitor hm;
};

// Also keeps long cells whole and commas unquoted.
TEST_F(EventLogTest, SaveWritesEveryRowNewestFirstWithNoCap) {
    const auto description = [](int i) {
        return i == 1000 ? "a,b," + std::string(400, 'x') : "Row " + std::to_string(i);
    };
    for (int i = 1; i < 2500; ++i) fx::logEvent(hm.monitor(), description(i));

    hm.chooseMenu(fx::mainwin::saveLogItem);

    std::string expected;
    for (int i = 2499; i >= 1; --i) expected += stamp + description(i) + "\r\n";
    expected += std::string(stamp) + "Started ZA Daderer\r\n";
    EXPECT_EQ(hm.folder.read(saveFileName), expected);
    expectLastMessage(hm, "Log file creation complete.", "Complete");
    EXPECT_EQ(hm.layer.rowCount(hm.mainWindow(), fx::mainwin::eventLogList), 2500);
}

// Was: a save whose lines could not be written (disk full) was reported as complete.
TEST_F(EventLogTest, ASaveThatCannotBeCreatedOrWrittenIsReportedAsFailed) {
    std::filesystem::create_directory(hm.folder.pathOf(saveFileName));
    hm.chooseMenu(fx::mainwin::saveLogItem);
    expectLastMessage(hm, "File write failed.", "Failed");

    hm.clock.advanceSeconds(60);
    const fx::platform::SimulatedWriteFailure diskFull;
    hm.chooseMenu(fx::mainwin::saveLogItem);
    EXPECT_EQ(hm.messageTexts(), fxtest::Lines(2, "File write failed."));
}

// Was: a save whose write failed left a cut-short file in place of the one saved earlier
// in the same minute.
TEST_F(EventLogTest, AFailedSaveLeavesTheEarlierFileOfItsNameAndNoOtherFile) {
    hm.chooseMenu(fx::mainwin::saveLogItem);
    const std::string earlier = hm.folder.read(saveFileName);
    fx::logEvent(hm.monitor(), "Not saved");
    {
        const fx::platform::SimulatedWriteFailure diskFull;
        hm.chooseMenu(fx::mainwin::saveLogItem);
    }
    expectLastMessage(hm, "File write failed.", "Failed");
    EXPECT_EQ(hm.folder.read(saveFileName), earlier);
    std::vector<std::string> notData = fxtest::namesIn(hm.folder.path());
    std::erase_if(notData, [](const std::string& name) { return name.ends_with(".csv"); });
    EXPECT_EQ(notData, std::vector<std::string>{saveFileName});
}

TEST_F(EventLogTest, ClearAnsweredNoKeepsEveryRowAndYesAlsoDeletesRowsLoggedWhileAsking) {
    fx::logEvent(hm.monitor(), "Keep me");
    hm.layer.queueMessageAnswer(MessageAnswer::No);
    hm.chooseMenu(fx::mainwin::clearLogItem);

    expectLastMessage(hm, "Are you sure you want to clear your log?", "Clear Log",
                      MessageIcon::Question, MessageButtons::YesNo);
    EXPECT_EQ(hm.logDescriptions(), (std::vector<std::string>{"Keep me", "Started ZA Daderer"}));

    hm.layer.queueMessageAnswer(MessageAnswer::Yes,
                                [this] { fx::logEvent(hm.monitor(), "While asking"); });
    hm.chooseMenu(fx::mainwin::clearLogItem);
    EXPECT_TRUE(hm.logDescriptions().empty());
    hm.chooseMenu(fx::mainwin::saveLogItem);  // an empty log saves an empty file
    EXPECT_TRUE(hm.folder.exists(saveFileName));
    EXPECT_EQ(hm.folder.read(saveFileName), "");

    fx::logEvent(hm.monitor(), "Next");
    EXPECT_EQ(hm.logDescriptions(), std::vector<std::string>{"Next"});
}

// A clock that moves one second on with every reading, so that a row or a file name
// made from two readings shows it.
class SteppingClock final : public fx::Clock {
public:
    explicit SteppingClock(fx::LocalTime start) : clock_(start) {}
    fx::LocalTime now() const override {
        const fx::LocalTime reading = clock_.now();
        clock_.advanceSeconds(1);
        return reading;
    }

private:
    mutable fx::SettableClock clock_;
};

struct SteppingMonitor {
    explicit SteppingMonitor(fx::LocalTime start) : clock(start) {
        fx::buildMainWindow(monitor, {});
    }
    fxtest::TempFolder folder;
    fx::HeadlessLayer layer;
    SteppingClock clock;
    fx::Monitor monitor{fx::variant(fx::VariantId::V17b), layer, clock,
                        folder.pathOf("fxmonitor.exe"), folder.path()};
};

// Was: the date and the time came from two readings, so a row logged at midnight
// carried the old date with the new time.
TEST(EventLogClockTest, RowAtMidnightTakesDateAndTimeFromOneReading) {
    SteppingMonitor sm({2009, 3, 7, 23, 59, 59});
    fx::logEvent(sm.monitor, "Midnight");
    EXPECT_EQ(sm.layer.cellText(sm.monitor.mainWindow, fx::mainwin::eventLogList, 0, 0),
              "03-07-2009");
    EXPECT_EQ(sm.layer.cellText(sm.monitor.mainWindow, fx::mainwin::eventLogList, 0, 1),
              "23:59:59");
}

// Was: the minute and the hour came from two readings, so a save at 14:59:59 could be
// named 1559.
TEST(EventLogClockTest, SaveAtFullHourIsNamedFromOneReading) {
    SteppingMonitor sm({2009, 3, 7, 14, 59, 59});
    fx::saveLog(sm.monitor);
    EXPECT_TRUE(sm.folder.exists("03-07-2009_1459.txt"));
}

}  // namespace

namespace {

// Was: a row the list would not take left logEvent writing its time and text into the
// row below, the one logged before.
TEST(EventLogRefusedRowTest, ARowTheListRefusesLeavesTheEarlierRowsAsTheyWere) {
    HeadlessMonitor hm;
    hm.writeData(3);
    hm.start();
    hm.layer.refuseRows(hm.mainWindow(), fx::mainwin::eventLogList);
    hm.clock.advanceSeconds(60);
    fx::logEvent(hm.monitor(), "New +anchor: GBPJPY");
    EXPECT_EQ(hm.logDescriptions(), fxtest::Lines{"Started ZA Daderer"});
    EXPECT_EQ(hm.layer.cellText(hm.mainWindow(), fx::mainwin::eventLogList, 0, 1), "14:19:05");
}

}  // namespace
