#include "controller/main_window_events.h"

#include <gtest/gtest.h>

#include <map>

#include "monitor/main_window.h"
#include "window/headless/pixel_image.h"
#include "support/headless_monitor.h"

namespace {

using fx::MessageAnswer;
using fxtest::HeadlessMonitor;
using fxtest::Lines;
namespace mw = fx::mainwin;

int periodicEntries(HeadlessMonitor& h) {
    return static_cast<int>(fxtest::startingWith(h.logDescriptions(), "RB = ").size());
}

TEST(PeriodicEntryTest, TheFirstAtTick900AndSwitchingOffDoesNotResetTheCount) {
    HeadlessMonitor h;
    h.startInRealTime();
    h.tick(500);
    h.clickMain(mw::realTimeModeCheck);
    EXPECT_EQ(h.tick(5), 0);
    h.clickMain(mw::realTimeModeCheck);
    h.tick(399);
    EXPECT_EQ(periodicEntries(h), 0);
    h.tick(1);
    EXPECT_EQ(periodicEntries(h), 1);
    // "1 minute" chosen with 30 ticks counted writes at 60, then every 60.
    h.tick(30);
    h.chooseMenu(mw::oneMinuteItem);
    h.tick(29);
    EXPECT_EQ(periodicEntries(h), 1);
    h.tick(1);
    EXPECT_EQ(periodicEntries(h), 2);
    // An interval shorter than the count writes at once.
    h.tick(59);
    h.chooseMenu(mw::fifteenMinutesItem);
    h.tick(800);
    h.chooseMenu(mw::fiveMinutesItem);
    h.tick(1);
    EXPECT_EQ(periodicEntries(h), 3);
}

// The status panel is drawn only by ticks; the periodic entry shows the measures, then the
// profit of the previous tick, as the basket is revalued after the entry.
TEST(PeriodicEntryTest, MeasuresAsThePanelShowsThemThenTheProfitOfThePreviousTick) {
    HeadlessMonitor h;
    h.startInRealTime();
    h.chooseMenu(mw::oneMinuteItem);
    EXPECT_FALSE(h.layer.drawnTextAt(h.mainWindow(), {25, 70}));
    h.tick(58);
    h.clickMain(mw::buyButton);
    h.tick(1);
    // EURUSD +3 and AUDUSD +1 pips (buy group), GBPUSD up 2 pips (sell group: -2): buy
    // power 4, sell power -2, reference bias 6, basket bias 2, anchor bias 3 + (-2) = 1.
    h.movePrice(h.pairIndex("EURUSD"), 0.0003f);
    h.movePrice(h.pairIndex("AUDUSD"), 0.0001f);
    h.movePrice(h.pairIndex("GBPUSD"), 0.0002f);
    h.tick(1);
    const std::pair<fx::Point, const char*> panel[] = {
        {{25, 70}, "Ref. Bias:  6    "},      {{25, 85}, "Anchor Bias:  1      "},
        {{25, 100}, "Basket Bias:  2      "}, {{25, 120}, "Time: 14:20:05"},
        {{200, 70}, "Buy Power:  4     "},    {{200, 85}, "Sell Power:  -2      "},
    };
    for (const auto& [point, text] : panel)
        EXPECT_EQ(h.layer.drawnTextAt(h.mainWindow(), point), text);
    EXPECT_EQ(h.logDescriptions()[0], "Buy Profit:  0 pips.");
    EXPECT_EQ(h.logDescriptions()[1], "RB =  6  BB =  2  AB =  1");
    EXPECT_EQ(h.mainText(mw::pipsBox), " 6");
    h.clickMain(mw::closeButton);
    h.clickMain(mw::clearButton);
    h.clickMain(mw::sellButton);
    h.tick(60);
    EXPECT_EQ(h.logDescriptions()[0], "Sell Profit:  0 pips.");
}

// EURUSD 50 pips above day 0 and 50 pips below day 1, the monitor started.
void startWithEurusdBetweenTwoDays(HeadlessMonitor& h) {
    const int eurusd = h.pairIndex("EURUSD");
    h.writeData(2, [&](int pair, int row) {
        return fxtest::typicalPrice(h.symbol(pair)) + (pair == eurusd && row == 1 ? 0.0100f : 0);
    });
    h.movePrice(eurusd, 0.0050f);
    h.start();
}

// v17 compares the new day's first bias with the old day's last; v17b and v17c forget
// it first. Either way the anchors are taken again silently.
TEST(ReferenceDayTest, OnlyV17MayFlipTheBiasAndNoVariantLogsTheNewAnchors) {
    for (fx::VariantId variant : fxtest::allVariants) {
        HeadlessMonitor h{variant};
        startWithEurusdBetweenTwoDays(h);
        h.switchOn(fx::referenceBiasFlip);
        h.switchOn(fx::anchorDisplaced);
        h.chooseReferenceDay(0);
        h.chooseReferenceDay(1);
        const Lines flips = variant == fx::VariantId::V17 ? Lines{"Reference Bias Flipped Negative!"} : Lines{};
        EXPECT_EQ(fxtest::startingWith(h.logDescriptions(), "Reference"), flips);
        EXPECT_TRUE(fxtest::startingWith(h.logDescriptions(), "New +").empty());
        EXPECT_TRUE(fxtest::startingWith(h.logDescriptions(), "New -").empty());
        EXPECT_EQ(h.monitor().ranking.bottomAnchorPair, "EURUSD");
    }
}

// A new day forgets the anchors but not the slots: its first ranking draws its arrows
// against the slots of the old day's last ranking.
TEST(ReferenceDayTest, TheNewDaysFirstRankingDrawsArrowsAgainstTheOldDaysSlots) {
    HeadlessMonitor h;
    startWithEurusdBetweenTwoDays(h);  // EURUSD in slot 1 on day 0, in slot 14 on day 1
    h.chooseReferenceDay(0);
    ASSERT_EQ(h.mainText(mw::slotPairBox(0)), "EURUSD");
    const int cadjpy = fx::pairGroupOrder[0];
    ASSERT_EQ(h.mainText(mw::slotPairBox(3)), h.symbol(cadjpy));
    h.chooseReferenceDay(1);
    // CADJPY rises from slot 4 to slot 1, EURUSD falls from slot 1 to slot 14.
    ASSERT_EQ(h.mainText(mw::slotPairBox(0)), h.symbol(cadjpy));
    ASSERT_EQ(h.mainText(mw::slotPairBox(13)), "EURUSD");
    const fx::PixelImage& image = h.layer.window(h.mainWindow())->image;
    const auto shaft = [&image](int slotIndex) { return image.at(10, 140 + 24 * slotIndex + 10); };
    EXPECT_EQ(shaft(0), fx::rgb(34, 139, 34));
    EXPECT_EQ(shaft(13), fx::rgb(238, 0, 0));
}

// The list shows EURUSD's dates, and the log names the date the list shows, whatever
// date another pair's history has in that row.
TEST(ReferenceDayTest, TheLoggedDateIsEurusdsEvenWhereAnotherPairHasAnotherDate) {
    HeadlessMonitor h;
    h.writeData(2);
    h.writeHistoryLines(h.pairIndex("GBPUSD"), "12-30-1999,1.2345\r\n12-31-1999,1.2345\r\n");
    h.start();
    h.chooseReferenceDay(1);
    EXPECT_EQ(h.logDescriptions()[0], "New Reference date: " + fxtest::historyDate(1));
}

// Checking "Real-Time Mode" starts the main window's timer 1 with a period of 1000 ms.
TEST(RealTimeModeTest, StartsTimerOneAtOneSecond) {
    HeadlessMonitor h;
    h.startWithReferenceDay();
    h.clickMain(mw::realTimeModeCheck);
    EXPECT_EQ(h.layer.window(h.mainWindow())->runningTimers, (std::map<int, int>{{1, 1000}}));
}

// Was: a tick during an earlier tick's "Not Found" box started a cycle inside the
// unfinished one, so a file that stayed missing stacked one cycle a second.
TEST(NestingTest, AMissingFileShowsOneBoxPerTickAndCyclesNeverNest) {
    HeadlessMonitor h;
    h.startInRealTime();
    h.folder.remove(h.symbol(0) + "_RT.csv");
    h.layer.queueMessageAnswer(MessageAnswer::Ok, [&h] { h.tick(1); });
    h.tick(1);
    EXPECT_EQ(h.layer.messages().size(), 1u);
    h.tick(3);
    EXPECT_EQ(h.messageTexts(), Lines(4, "Realtime file not found: " + h.folder.pathOf("GBPUSD_RT.csv")));
    EXPECT_EQ(h.layer.drawnTextAt(h.mainWindow(), {25, 120}), "Time: 14:19:10");
}

// Was: ticks skipped while a "Not Found" box stayed open were not counted, so the
// periodic entry drifted later by as long as the box stayed open.
TEST(NestingTest, SkippedTicksCountTowardThePeriodicEntry) {
    HeadlessMonitor h;
    h.startInRealTime();
    h.chooseMenu(mw::oneMinuteItem);
    h.tick(30);
    h.folder.remove(h.symbol(0) + "_RT.csv");
    h.layer.queueMessageAnswer(MessageAnswer::Ok, [&h] { h.tick(40); });
    h.tick(1);
    EXPECT_EQ(periodicEntries(h), 1);
    EXPECT_EQ(h.monitor().controller.logTickCount, 0);
}

// Was: a close request made during a "Not Found" box left the ticks of the same message
// pass to open box after box.
TEST(NestingTest, NoCycleStartsOnceTheProgramIsEnding) {
    HeadlessMonitor h;
    h.startInRealTime();
    h.folder.remove(h.symbol(0) + "_RT.csv");
    h.layer.queueMessageAnswer(MessageAnswer::Ok, [&h] { h.layer.requestClose(h.mainWindow()); });
    h.tick(3);
    EXPECT_EQ(h.layer.messages().size(), 1u);
}

TEST(MainWindowEventsTest, GreyedItemsSharedNumbersAndForeignEventsDoNothing) {
    HeadlessMonitor h;
    h.startInRealTime();
    const auto event = [](fx::EventKind kind, int id, int code = 0) {
        return fx::WindowEvent{kind, id, id, code, id};
    };
    using fx::EventKind;
    const fx::WindowEvent events[] = {
        event(EventKind::MenuCommand, mw::printWindowItem),
        // The label and the list share their numbers with "Save Log" and "Clear Log".
        event(EventKind::ControlNotify, mw::referenceDayLabel),
        event(EventKind::ControlNotify, mw::referenceDayCombo, 0),
        event(EventKind::ControlNotify, mw::pipsBox, 0x300),
        event(EventKind::TimerTick, 2),
    };
    const Lines before = h.logDescriptions();
    for (const fx::WindowEvent& e : events) h.layer.deliver(h.mainWindow(), e);
    EXPECT_EQ(h.logDescriptions(), before);
    EXPECT_TRUE(h.layer.messages().empty());
    EXPECT_FALSE(h.layer.drawnTextAt(h.mainWindow(), {25, 120}));
    EXPECT_FALSE(h.layer.window(h.optionsWindow())->visible);
}

TEST(MainWindowEventsTest, LogTimersCheckExactlyTheChosenItemAndSoundAlertsShowsTheOptions) {
    HeadlessMonitor h;
    h.startWithReferenceDay();
    // "60 minutes" to "1 minute" are items 20 to 25.
    const std::pair<int, int> itemsAndTicks[] = {{20, 3600}, {21, 1800}, {22, 900},
                                                 {23, 600},  {24, 300},  {25, 60}};
    for (const auto& [chosen, ticks] : itemsAndTicks) {
        h.chooseMenu(chosen);
        for (int id = 20; id <= 25; ++id)
            EXPECT_EQ(h.layer.menuItem(h.mainWindow(), id)->checked, id == chosen) << id;
        EXPECT_EQ(h.monitor().state.logIntervalTicks, ticks);
    }
    h.layer.setChecked(h.optionsWindow(), fx::optwin::groupAlertCheck, true);
    h.chooseMenu(mw::soundAlertsItem);
    EXPECT_TRUE(h.layer.window(h.optionsWindow())->visible);
    EXPECT_TRUE(h.optionChecked(fx::optwin::groupAlertCheck));
}

}  // namespace
