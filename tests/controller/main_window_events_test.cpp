#include "controller/main_window_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller_scenarios.h"
#include "monitor/main_window.h"
#include "monitor/options_window.h"
#include "support/headless_monitor.h"

namespace {

using fx::MessageAnswer;
using fxtest::countStartingWith;
using fxtest::HeadlessMonitor;
using fxtest::movePrice;
using fxtest::startInRealTime;
using fxtest::startWithReferenceDay;
namespace mainwin = fx::mainwin;

// EURUSD, AUDUSD and USDJPY are in the buy group, GBPUSD in the sell group, in every variant.
constexpr int gbpusd = 0;
constexpr int eurusd = 7;
constexpr int audusd = 9;

// EURUSD +3 and AUDUSD +1 pips (buy group), GBPUSD up 2 pips (sell group: -2): buy power 4,
// sell power -2, reference bias 6, basket bias 2, anchor bias 3 + (-2) = 1.
void moveToKnownMeasures(HeadlessMonitor& hm) {
    movePrice(hm, eurusd, 0.0003f);
    movePrice(hm, audusd, 0.0001f);
    movePrice(hm, gbpusd, 0.0002f);
}

class MainWindowEventsTest : public ::testing::TestWithParam<fx::VariantId> {
protected:
    HeadlessMonitor hm{GetParam()};
    int periodicEntries() { return countStartingWith(hm.logDescriptions(), "RB = "); }
};

INSTANTIATE_TEST_SUITE_P(AllVariants, MainWindowEventsTest,
                         ::testing::ValuesIn(fxtest::allVariants));

TEST_P(MainWindowEventsTest, FirstPeriodicEntryAtTick900AndSwitchingOffDoesNotResetTheCount) {
    startInRealTime(hm);
    hm.tick(500);
    hm.clickMain(mainwin::realTimeModeCheck);
    EXPECT_EQ(hm.tick(5), 0);
    hm.clickMain(mainwin::realTimeModeCheck);
    hm.tick(399);
    EXPECT_EQ(periodicEntries(), 0);
    hm.tick(1);
    EXPECT_EQ(periodicEntries(), 1);
    hm.tick(899);
    EXPECT_EQ(periodicEntries(), 1);
    hm.tick(1);
    EXPECT_EQ(periodicEntries(), 2);
}

TEST_P(MainWindowEventsTest, OneMinuteChosenAfter200TicksWritesAtOnceThenEvery60) {
    startInRealTime(hm);
    hm.tick(200);
    hm.chooseMenu(mainwin::oneMinuteItem);
    EXPECT_EQ(periodicEntries(), 0);
    hm.tick(1);
    EXPECT_EQ(periodicEntries(), 1);
    hm.tick(59);
    EXPECT_EQ(periodicEntries(), 1);
    hm.tick(1);
    EXPECT_EQ(periodicEntries(), 2);
}

TEST_P(MainWindowEventsTest, PeriodicEntryTextsAndProfitOfThePreviousTick) {
    startInRealTime(hm);
    hm.chooseMenu(mainwin::oneMinuteItem);
    hm.tick(58);
    hm.clickMain(mainwin::buyButton);
    hm.tick(1);
    EXPECT_EQ(periodicEntries(), 0);
    moveToKnownMeasures(hm);
    hm.tick(1);

    // The basket is revalued after the entry: the entry shows the tick before.
    std::vector<std::string> rows = hm.logDescriptions();
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "Buy Profit:  0 pips.");
    EXPECT_EQ(rows[1], "RB =  6  BB =  2  AB =  1");
    EXPECT_EQ(hm.mainText(mainwin::pipsBox), " 6");

    hm.tick(60);
    rows = hm.logDescriptions();
    EXPECT_EQ(rows[0], "Buy Profit:  6 pips.");
    EXPECT_EQ(rows[1], "RB =  6  BB =  2  AB =  1");
}

TEST_P(MainWindowEventsTest, SellBasketLogsSellProfitAndNoBasketOnlyTheMeasures) {
    startInRealTime(hm);
    hm.chooseMenu(mainwin::oneMinuteItem);
    hm.tick(60);
    EXPECT_EQ(hm.logDescriptions().front(), "RB =  0  BB =  0  AB =  0");

    hm.clickMain(mainwin::sellButton);
    moveToKnownMeasures(hm);
    hm.tick(60);
    const std::vector<std::string> rows = hm.logDescriptions();
    EXPECT_EQ(rows[0], "Sell Profit:  -6 pips.");
    EXPECT_EQ(rows[1], "RB =  6  BB =  2  AB =  1");
}

TEST_P(MainWindowEventsTest, StatusPanelTextsAtTheirPoints) {
    startInRealTime(hm);
    EXPECT_FALSE(hm.layer.drawnTextAt(hm.mainWindow(), {25, 70}));
    moveToKnownMeasures(hm);
    hm.tick(1);

    const struct {
        fx::Point at;
        const char* text;
    } expected[] = {
        {{25, 70}, "Ref. Bias:  6    "},      {{25, 85}, "Anchor Bias:  1      "},
        {{25, 100}, "Basket Bias:  2      "}, {{25, 120}, "Time: 14:19:06"},
        {{200, 70}, "Buy Power:  4     "},    {{200, 85}, "Sell Power:  -2      "},
    };
    for (const auto& text : expected) {
        SCOPED_TRACE(text.text);
        EXPECT_EQ(hm.layer.drawnTextAt(hm.mainWindow(), text.at), text.text);
    }
}

TEST_P(MainWindowEventsTest, ReferenceDayChangeLogsEveryTimeAndEnablesRealTimeMode) {
    startWithReferenceDay(hm);
    hm.chooseReferenceDay(1);
    hm.chooseReferenceDay(1);

    const std::vector<std::string> rows = hm.logDescriptions();
    const std::string expected = "New Reference date: " + fxtest::historyDate(1);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], expected);
    EXPECT_EQ(rows[1], expected);
    EXPECT_TRUE(hm.mainEnabled(mainwin::realTimeModeCheck));
}

TEST_P(MainWindowEventsTest, ReferenceDayChangeTakesTheAnchorsSilently) {
    // On day 1 EURUSD stood 10 pips lower, so against it EURUSD has risen 10 pips.
    hm.writeData(2, [this](int pair, int row) {
        const float price = fxtest::typicalPrice(hm.symbol(pair));
        return pair == eurusd && row == 1 ? price - 0.0010f : price;
    });
    hm.start();
    hm.chooseReferenceDay(0);
    hm.chooseReferenceDay(1);

    EXPECT_EQ(hm.slotPair(0), "EURUSD");
    EXPECT_EQ(countStartingWith(hm.logDescriptions(), "New +anchor: "), 0);
    EXPECT_EQ(hm.monitor().ranking.topAnchorPair, "EURUSD");
}

// v17 compares the new day's first bias with the old day's last and may raise the
// flip alert; v17b and v17c forget the old bias first.
TEST_P(MainWindowEventsTest, ReferenceDayChangeFlipAlertOnlyInV17) {
    // EURUSD now stands 50 pips above day 0 and 50 pips below day 1.
    hm.writeData(2, [this](int pair, int row) {
        const float price = fxtest::typicalPrice(hm.symbol(pair));
        return pair == eurusd && row == 1 ? price + 0.0100f : price;
    });
    movePrice(hm, eurusd, 0.0050f);
    hm.start();
    hm.layer.setChecked(hm.optionsWindow(), fx::optwin::biasAlertCheck, true);
    hm.chooseReferenceDay(0);
    ASSERT_EQ(hm.monitor().ranking.referenceBias, 50);
    hm.chooseReferenceDay(1);
    ASSERT_EQ(hm.monitor().ranking.referenceBias, -50);

    const int flips = countStartingWith(hm.logDescriptions(), "Reference Bias Flipped Negative!");
    EXPECT_EQ(flips, GetParam() == fx::VariantId::V17 ? 1 : 0);
}

TEST_P(MainWindowEventsTest, TickDuringClearLogBoxRunsAndTheOuterHandlerKeepsItsEvent) {
    startInRealTime(hm);
    hm.layer.queueMessageAnswer(MessageAnswer::Yes, [this] { hm.tick(1); });
    hm.chooseMenu(mainwin::clearLogItem);

    EXPECT_EQ(hm.layer.drawnTextAt(hm.mainWindow(), {25, 120}), "Time: 14:19:06");
    EXPECT_TRUE(hm.logDescriptions().empty());
}

TEST_P(MainWindowEventsTest, TickDuringSaveLogBoxRunsAndItsRowsAreNotSaved) {
    startInRealTime(hm);
    hm.chooseMenu(mainwin::oneMinuteItem);
    hm.tick(59);
    hm.layer.queueMessageAnswer(MessageAnswer::Ok, [this] { hm.tick(1); });
    hm.chooseMenu(mainwin::saveLogItem);

    EXPECT_EQ(periodicEntries(), 1);
    const std::string saved = hm.folder.read("03-07-2009_1420.txt");
    EXPECT_EQ(saved.find("RB = "), std::string::npos);
    EXPECT_NE(saved.find("Started ZA Daderer"), std::string::npos);
}

// Was: a tick during an earlier tick's "Not Found" box started a cycle inside the
// unfinished one, so a file that stayed missing stacked one cycle a second.
TEST_P(MainWindowEventsTest, MissingRealtimeFileShowsOneBoxPerTickAndCyclesNeverNest) {
    startInRealTime(hm);
    hm.folder.remove(hm.symbol(gbpusd) + "_RT.csv");
    const auto notFoundBoxes = [this] {
        int count = 0;
        for (const fx::MessageRecord& message : hm.layer.messages())
            if (message.caption == "Not Found") ++count;
        return count;
    };

    hm.layer.queueMessageAnswer(MessageAnswer::Ok, [this] { hm.tick(1); });
    hm.tick(1);
    EXPECT_EQ(notFoundBoxes(), 1);

    hm.tick(1);
    EXPECT_EQ(notFoundBoxes(), 2);
    hm.tick(3);
    EXPECT_EQ(notFoundBoxes(), 5);
    EXPECT_EQ(hm.layer.drawnTextAt(hm.mainWindow(), {25, 120}), "Time: 14:19:11");
}

TEST_P(MainWindowEventsTest, CloseRequestAndQuitEndTheProgram) {
    startWithReferenceDay(hm);
    hm.layer.requestClose(hm.mainWindow());
    EXPECT_EQ(hm.monitor().state.keepRunning, 0);
    EXPECT_TRUE(hm.layer.window(hm.mainWindow())->open);

    HeadlessMonitor other{GetParam()};
    startWithReferenceDay(other);
    EXPECT_TRUE(other.chooseMenu(mainwin::quitItem));
    EXPECT_EQ(other.monitor().state.keepRunning, 0);
}

TEST_P(MainWindowEventsTest, GreyedItemsAndForeignEventsDoNothing) {
    startInRealTime(hm);
    const auto menu = [](int id) {
        fx::WindowEvent event;
        event.kind = fx::EventKind::MenuCommand;
        event.menuId = id;
        return event;
    };
    const auto notify = [](int id, int code) {
        fx::WindowEvent event;
        event.kind = fx::EventKind::ControlNotify;
        event.controlId = id;
        event.notifyCode = code;
        return event;
    };
    fx::WindowEvent otherTimer;
    otherTimer.kind = fx::EventKind::TimerTick;
    otherTimer.timerId = 2;
    fx::WindowEvent other;
    other.kind = fx::EventKind::Other;

    const fx::WindowEvent events[] = {
        menu(mainwin::printWindowItem),
        menu(mainwin::ibfxPairsItem),
        menu(mainwin::vantrelOriginalItem),
        menu(mainwin::pairAlertsItem),
        menu(99),
        // The label and the list share their numbers with "Save Log" and "Clear Log".
        notify(mainwin::referenceDayLabel, 0),
        notify(mainwin::referenceDayCombo, 0),
        notify(mainwin::pipsBox, 0x300),
        notify(mainwin::eventLogList, 0),
        otherTimer,
        other,
    };
    const std::vector<std::string> rowsBefore = hm.logDescriptions();
    for (const fx::WindowEvent& event : events) hm.layer.deliver(hm.mainWindow(), event);

    EXPECT_EQ(hm.logDescriptions(), rowsBefore);
    EXPECT_TRUE(hm.layer.messages().empty());
    EXPECT_FALSE(hm.layer.drawnTextAt(hm.mainWindow(), {25, 120}));
    EXPECT_FALSE(hm.layer.window(hm.optionsWindow())->visible);
    EXPECT_EQ(hm.monitor().state.keepRunning, 1);
    EXPECT_FALSE(hm.layer.chooseMenu(hm.mainWindow(), mainwin::printWindowItem));
}

TEST_P(MainWindowEventsTest, SoundAlertsShowsTheOptionsWindowAsItWasLeft) {
    startWithReferenceDay(hm);
    hm.layer.setChecked(hm.optionsWindow(), fx::optwin::groupAlertCheck, true);
    hm.chooseMenu(mainwin::soundAlertsItem);
    EXPECT_TRUE(hm.layer.window(hm.optionsWindow())->visible);
    EXPECT_TRUE(hm.layer.isChecked(hm.optionsWindow(), fx::optwin::groupAlertCheck));
}

TEST(LogTimersTest, ExactlyOneItemCheckedAndIntervalInTicks) {
    HeadlessMonitor hm;
    startWithReferenceDay(hm);
    // "60 minutes" to "1 minute" are items 20 to 25.
    const std::pair<int, int> itemsAndTicks[] = {{20, 3600}, {21, 1800}, {22, 900},
                                                 {23, 600},  {24, 300},  {25, 60}};
    for (const auto& [chosen, ticks] : itemsAndTicks) {
        hm.chooseMenu(chosen);
        for (int id = 20; id <= 25; ++id)
            EXPECT_EQ(hm.layer.menuItem(hm.mainWindow(), id)->checked, id == chosen) << id;
        EXPECT_EQ(hm.monitor().state.logIntervalTicks, ticks);
    }
}

TEST(RealTimeModeTest, CheckingStartsTheTimerWithoutReadingAnything) {
    HeadlessMonitor hm;
    startWithReferenceDay(hm);
    movePrice(hm, eurusd, 0.0010f);
    hm.clickMain(mainwin::realTimeModeCheck);

    EXPECT_TRUE(hm.layer.timerRunning(hm.mainWindow(), mainwin::realTimeTimer));
    EXPECT_EQ(hm.monitor().state.realTimeMode, 1);
    EXPECT_EQ(hm.slotValue(0), " 0");
    hm.tick(1);
    EXPECT_EQ(hm.slotValue(0), " 10");

    hm.clickMain(mainwin::realTimeModeCheck);
    EXPECT_FALSE(hm.layer.timerRunning(hm.mainWindow(), mainwin::realTimeTimer));
    EXPECT_EQ(hm.monitor().state.realTimeMode, 0);
}

}  // namespace
