#include "replay/replay.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/replay_run.h"
#include "text/file_access.h"

namespace {

using fxtest::contains;
using fxtest::fieldsOf;
using fxtest::Lines;
using fxtest::linesOf;
using fxtest::ReplayRun;
using fxtest::v17bHeader;

constexpr int gbpusd = 0, cadjpy = 4, eurusd = 7;  // in v17b; GBPUSD in the sell group

TEST(ReplayTest, StartOrderAndTheClockOfActions) {
    ReplayRun r;
    r.run(v17bHeader + "!reference 1\n" + r.prices(5) + r.prices(9) + "!buy\n" + r.prices(12),
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
    r.run(v17bHeader + "!buy\n!reference 01-01-1999\n" + r.prices(1) + "!sell\n!sell\n",
          {"--reference-day=7"});
    EXPECT_EQ(r.status, fx::replayDone);
    const std::string ticks = r.pathOf("ticks.csv");
    EXPECT_EQ(linesOf(r.err),
              (Lines{"fxmonitor-replay: \"--reference-day 7\" refused: the \"Reference Day:\" "
                     "list has no such position",
                     ticks + ":2: \"!buy\" refused: the \"Buy\" button is disabled",
                     ticks + ":3: \"!reference 01-01-1999\" refused: the \"Reference Day:\" "
                             "list holds no such date",
                     ticks + ":6: \"!sell\" refused: the \"Sell\" button is disabled"}));
    EXPECT_EQ(
        r.descriptions(),
        (Lines{"Started ZA Daderer", "SELL - Basket Bias:  0  Anchor Bias:  0", "Ref. Bias =  0"}));
}

// With no reference day chosen, real time still comes on and measures against row 0; an
// empty field is a missing file, and it and a price out of range keep the last price.
TEST(ReplayTest, RealTimeComesOnWithoutAReferenceDayAndMissingFilesKeepThePrice) {
    ReplayRun r;
    r.data.writeData(3, [&](int pair, int row) {  // row 0 has EURUSD 10 pips lower
        return fxtest::typicalPrice(r.data.symbol(pair)) - (pair == eurusd && !row ? 0.001f : 0);
    });
    r.run(v17bHeader + r.prices(1, {{eurusd, "1.2400"}}) +
              r.prices(2, {{eurusd, ""}, {cadjpy, ""}}) + r.prices(3, {{eurusd, "500"}}),
          {"--slots", r.pathOf("slots.csv")});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    EXPECT_EQ(linesOf(r.err),
              (Lines{r.pathOf("ticks.csv") + ":3: Realtime file not found: CADJPY_RT.csv",
                     r.pathOf("ticks.csv") + ":3: Realtime file not found: EURUSD_RT.csv"}));
    const Lines rows = linesOf(r.data.folder.read("slots.csv"));
    ASSERT_EQ(rows.size(), 4u);
    for (int row = 1; row <= 3; ++row)
        EXPECT_TRUE(contains(rows[row], ",EURUSD,65,")) << rows[row];  // 1.2400 - 1.2335
}

TEST(ReplayTest, SlotsRowsFollowEveryRankingRun) {
    ReplayRun r;
    r.run(v17bHeader + "!reference 0\n" + r.prices(1) + "!buy\n" +
              r.prices(2, {{eurusd, "1.2357"}, {gbpusd, "1.2335"}}) +
              "!close\n!clear\n!reference 1\n" + r.prices(3),
          {"--slots=" + r.pathOf("slots.csv")});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const Lines rows = linesOf(r.data.folder.read("slots.csv"));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_TRUE(rows[0].starts_with("date,time,cause,RB,BB,AB,BP,SP,slot1,move1,slot2"));
    EXPECT_TRUE(rows[0].ends_with(",slot14,move14,pips"));
    // The reference ranking at the first tick's time; EURUSD (buy) up 12 pips and GBPUSD
    // (sell) down 10 both count positive; the buy basket, revalued at the end of the
    // cycle, 12 - 10 = 2 pips; none after "Clear".
    const std::pair<int, std::string> starts[] = {
        {1, "01-05-2009,10:00:01,reference,"},
        {2, "01-05-2009,10:00:01,tick,"},
        {3, "01-05-2009,10:00:02,tick,2,22,12,12,10,EURUSD,12,GBPUSD,10,"},
        {4, "01-05-2009,10:00:02,reference,"},
        {5, "01-05-2009,10:00:03,tick,"}};
    for (const auto& [row, start] : starts) EXPECT_TRUE(rows[row].starts_with(start)) << rows[row];
    EXPECT_EQ(fieldsOf(rows[2]).back(), "0");  // before the first revaluation
    EXPECT_EQ(fieldsOf(rows[3]).back(), "2");
    EXPECT_EQ(fieldsOf(rows[4]).back(), "");
}

// Was: --slots naming the ticks file (or a data file) emptied it before the run; --report
// likewise.
TEST(ReplayTest, NoOutputFileReplacesAnInputFile) {
    ReplayRun r;
    const std::string ticks = v17bHeader + r.prices(1),
                      realtime = r.data.folder.read("EURUSD_RT.csv");
    for (const char* option : {"--slots", "--report"}) {
        for (const char* name : {"ticks.csv", "./EURUSD_RT.csv"}) {
            EXPECT_EQ(r.run(ticks, {option, r.pathOf(name)}), fx::replayUsageError);
            EXPECT_EQ(r.out, "");
            EXPECT_TRUE(contains(r.err, "would overwrite the input file")) << r.err;
            EXPECT_EQ(r.data.folder.read("ticks.csv"), ticks);
            EXPECT_EQ(r.data.folder.read("EURUSD_RT.csv"), realtime);
        }
    }
}

// An output file that cannot be made stops the replay before it starts; a write that fails
// (a full disk) is reported at the end, after the log. Either way the exit status is 2.
TEST(ReplayTest, OutputFilesThatFailExitTwo) {
    const struct {
        const char* option;
        const char* name;
        const char* fault;
    } cases[] = {
        {"--slots", "none/out", ": the slots file cannot be created\n"},
        {"--slots", "out", ": the slots file could not be written whole\n"},
        {"--report", "out", ": the report could not be written whole\n"},
    };
    for (const auto& c : cases) {
        fxtest::ReplayRun r;
        const fx::platform::SimulatedWriteFailure diskFull;
        r.run(fxtest::v17bHeader + "!reference 0\n" + r.prices(1), {c.option, r.pathOf(c.name)});
        EXPECT_EQ(r.status, fx::replayUsageError) << c.fault;
        EXPECT_EQ(r.err, "fxmonitor-replay: " + r.pathOf(c.name) + c.fault);
    }
}

}  // namespace
