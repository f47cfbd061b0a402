#include "replay/replay.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/replay_run.h"

namespace {

using fxtest::fieldsOf;
using fxtest::Lines;
using fxtest::linesOf;
using fxtest::ReplayRun;

// Pair indexes in v17b.
constexpr int gbpusd = 0;  // sell group
constexpr int cadjpy = 4;  // buy group, 100 pips per unit
constexpr int eurusd = 7;  // buy group

// The --slots columns.
enum Column { Date, Time, Cause, RB, BB, AB, BP, SP, FirstSlot, Pips = FirstSlot + 28 };

int moveOf(const Lines& row, std::string_view symbol) {
    for (int s = 0; s < fx::pairCount; ++s)
        if (row[FirstSlot + 2 * s] == symbol) return std::stoi(row[FirstSlot + 2 * s + 1]);
    ADD_FAILURE() << symbol << " is in no slot";
    return 0;
}

TEST(ReplayTest, StartOrderAndTheClockOfActions) {
    ReplayRun r;
    r.run(r.header() + "!reference 1\n" + r.prices(5) + r.prices(9) + "!buy\n" + r.prices(12),
          {"--reference-day", "0", "--alert", "grouped"});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    // Everything before the first price line happens at its time; "--alert grouped" is on
    // before "--reference-day", whose ranking finds the pairs grouped; an action acts at
    // the time of the latest price line.
    EXPECT_EQ(linesOf(r.out),
              (Lines{"01-05-2009,10:00:05,Started ZA Daderer",
                     "01-05-2009,10:00:05,Pairs are perfectly grouped.",
                     "01-05-2009,10:00:05,New Reference date: " + fxtest::historyDate(0),
                     "01-05-2009,10:00:05,New Reference date: " + fxtest::historyDate(1),
                     "01-05-2009,10:00:09,BUY - Basket Bias:  0  Anchor Bias:  0",
                     "01-05-2009,10:00:09,Ref. Bias =  0"}));
}

TEST(ReplayTest, RefusedActionsAreNamedAndTheReplayGoesOn) {
    ReplayRun r;
    r.run(r.header() + "!buy\n!reference 3\n!reference 01-01-1999\n" + r.prices(1) +
              "!close\n!sell\n!sell\n!clear\n!interval 1\n",
          {"--reference-day=7"});
    EXPECT_EQ(r.status, fx::replayDone);
    const std::string ticks = r.ticksPath();
    EXPECT_EQ(linesOf(r.err),
              (Lines{"fxmonitor-replay: \"--reference-day 7\" refused: the \"Reference Day:\" list "
                     "has no such position",
                     ticks + ":2: \"!buy\" refused: the \"Buy\" button is disabled",
                     ticks + ":3: \"!reference 3\" refused: the \"Reference Day:\" list has no such "
                             "position",
                     ticks + ":4: \"!reference 01-01-1999\" refused: the \"Reference Day:\" list "
                             "holds no such date",
                     ticks + ":6: \"!close\" refused: the \"Close\" button is disabled",
                     ticks + ":8: \"!sell\" refused: the \"Sell\" button is disabled",
                     ticks + ":9: \"!clear\" refused: the \"Clear\" button is disabled"}));
    EXPECT_EQ(r.descriptions(), (Lines{"Started ZA Daderer", "SELL - Basket Bias:  0  Anchor Bias:  0",
                                       "Ref. Bias =  0"}));
}

TEST(ReplayTest, AnEmptyFieldIsAMissingFileAndKeepsThePrice) {
    ReplayRun r;
    r.run(r.header() + "!reference 0\n" + r.prices(1, {{eurusd, "1.2400"}}) +
              r.prices(2, {{eurusd, ""}, {cadjpy, ""}}) + r.prices(3, {{eurusd, "500"}}),
          {"--slots", r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const std::string ticks = r.ticksPath();
    EXPECT_EQ(linesOf(r.err), (Lines{ticks + ":4: Realtime file not found: CADJPY_RT.csv",
                                     ticks + ":4: Realtime file not found: EURUSD_RT.csv"}));
    const Lines rows = r.slotsRows();
    ASSERT_EQ(rows.size(), 5u);
    // 1.2400 - 1.2345 is 55 pips; the missing file and the price out of range keep it.
    for (int row = 2; row <= 4; ++row) EXPECT_EQ(moveOf(fieldsOf(rows[row]), "EURUSD"), 55) << row;
}

TEST(ReplayTest, SlotsRowsFollowEveryRankingRun) {
    ReplayRun r;
    r.run(r.header() + "!reference 0\n" + r.prices(1) + "!buy\n" +
              r.prices(2, {{eurusd, "1.2357"}, {gbpusd, "1.2335"}}) + "!close\n!clear\n!reference 1\n" +
              r.prices(3),
          {"--slots=" + r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const Lines rows = r.slotsRows();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].substr(0, 48), "date,time,cause,RB,BB,AB,BP,SP,slot1,move1,slot2");
    EXPECT_TRUE(rows[0].ends_with(",slot14,move14,pips"));
    const Lines causes = {"reference", "tick", "tick", "reference", "tick"};
    for (std::size_t i = 0; i < causes.size(); ++i) EXPECT_EQ(fieldsOf(rows[i + 1])[Cause], causes[i]);
    EXPECT_EQ(fieldsOf(rows[1])[Time], "10:00:01");  // the reference ranking, at the first tick's time
    // EURUSD (buy) up 12 pips and GBPUSD (sell) down 10: both count positive.
    const Lines moved = fieldsOf(rows[3]);
    EXPECT_EQ(Lines(moved.begin() + Time, moved.begin() + FirstSlot + 4),
              (Lines{"10:00:02", "tick", "2", "22", "12", "12", "10", "EURUSD", "12", "GBPUSD", "10"}));
    // The buy basket, revalued at the end of the cycle: 12 - 10 = 2.
    EXPECT_EQ(moved[Pips], "2");
    EXPECT_EQ(fieldsOf(rows[2])[Pips], "0");  // before the first revaluation
    EXPECT_EQ(fieldsOf(rows[4])[Pips], "");   // after "Clear"
}

TEST(ReplayTest, RealTimeComesOnWithoutAReferenceDayAndRanksAgainstRowZero) {
    ReplayRun r;
    r.data.writeData(3, [&](int pair, int row) {
        return fxtest::typicalPrice(r.data.symbol(pair)) + (pair == eurusd && row == 0 ? -0.0010f : 0.0f);
    });
    r.run(r.header() + r.prices(1) + "!buy\n", {"--slots", r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(moveOf(fieldsOf(r.slotsRows().at(1)), "EURUSD"), 10);
    EXPECT_EQ(r.descriptions().at(1), "BUY - Basket Bias:  10  Anchor Bias:  10");
}

TEST(ReplayTest, AlertActionsSetTheirBoxesRatherThanToggleThem) {
    ReplayRun r;
    // Row 1 has EURUSD 30 pips lower, so choosing it puts EURUSD on top.
    r.data.writeData(3, [&](int pair, int row) {
        return fxtest::typicalPrice(r.data.symbol(pair)) - (pair == eurusd && row == 1 ? 0.0030f : 0.0f);
    });
    r.run(r.header() + r.prices(1) + "!alert grouped off\n!alert grouped on\n!alert grouped on\n" +
          "!alert slot EURUSD 1\n!alert slot off\n!alert slot off\n!reference 1\n" +
          "!alert slot EURUSD 2\n!reference 1\n!alert slot EURUSD 1\n!reference 1\n!interval 1\n" +
          [&] {
              std::string ticks;
              for (int t = 0; t < 60; ++t) ticks += r.prices(t);
              return ticks;
          }());
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const std::string newDay = "New Reference date: " + fxtest::historyDate(1);
    EXPECT_EQ(r.descriptions(), (Lines{"Started ZA Daderer", "Pairs are perfectly grouped.", newDay,
                                       newDay, "Pair: EURUSD is in slot:  1", newDay,
                                       "RB =  30  BB =  30  AB =  30"}));
}

// Regression: --slots naming the ticks file (or a data file) emptied it before the run.
TEST(ReplayTest, TheSlotsFileNeverReplacesAnInputFile) {
    ReplayRun r;
    const std::string ticks = r.header() + r.prices(1);
    for (const std::string name : {"ticks.csv", "EURUSD.csv", "./GBPUSD_RT.csv"}) {
        const std::string before = r.data.folder.read(name);
        r.run(ticks, {"--slots", r.data.folder.pathOf(name)});
        EXPECT_EQ(r.status, fx::replayUsageError) << name;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("would overwrite the input file"), std::string::npos) << r.err;
        if (name != "ticks.csv") EXPECT_EQ(r.data.folder.read(name), before);
    }
}

// `make replay` must show every kind of row the monitor logs, all four alerts among them.
TEST(SampleSessionTest, ShowsAnchorsEveryAlertAndABasketProfit) {
    const std::string sample = FX_SAMPLE_DIR;
    const std::string ticks = sample + "/ticks.csv";
    const std::vector<std::string_view> arguments = {
        "--data", sample, "--alert", "anchor", "--alert", "bias", "--alert", "grouped",
        "--alert", "slot=GBPJPY:1", ticks};
    std::ostringstream log;
    std::ostringstream messages;
    ASSERT_EQ(fx::replayMain(arguments, log, messages), fx::replayDone) << messages.str();
    EXPECT_EQ(messages.str(), "");
    for (std::string_view kind :
         {"New +anchor: ", "New -anchor: ", "New opposing top anchor: ", "New opposing bottom anchor: ",
          "Reference Bias Flipped Negative!", "Reference Bias Flipped Positive!",
          "Pairs are perfectly grouped.", "Pair: GBPJPY is in slot:  1", "Buy Profit: ", "Basket Profit: "})
        EXPECT_NE(log.str().find(kind), std::string::npos) << kind;
}

}  // namespace
