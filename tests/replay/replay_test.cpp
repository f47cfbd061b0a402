#include "replay/replay.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "monitor/main_window.h"
#include "monitor/options_window.h"
#include "replay/replay_fixture.h"

namespace {

using fxtest::fieldsOf;
using fxtest::linesOf;
using fxtest::ReplayRun;

// Pair indexes in v17b.
constexpr int gbpusd = 0;   // sell group, 10000 pips per unit
constexpr int eurgbp = 1;   // sell group
constexpr int cadjpy = 4;   // buy group, 100 pips per unit
constexpr int eurusd = 7;   // buy group
constexpr int gbpchf = 11;  // sell group

// The --slots columns.
enum Column { Date, Time, Cause, RB, BB, AB, BP, SP, FirstSlot, Pips = FirstSlot + 28 };

int moveOf(const std::vector<std::string>& row, std::string_view symbol) {
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
    const auto lines = linesOf(r.out);
    ASSERT_GE(lines.size(), 6u);
    // Everything before the first price line happens at its time; "--alert grouped" is on
    // before "--reference-day", whose ranking finds the pairs grouped.
    EXPECT_EQ(lines[0], "01-05-2009,10:00:05,Started ZA Daderer");
    EXPECT_EQ(lines[1], "01-05-2009,10:00:05,Pairs are perfectly grouped.");
    EXPECT_EQ(lines[2], "01-05-2009,10:00:05,New Reference date: " + fxtest::historyDate(0));
    EXPECT_EQ(lines[3], "01-05-2009,10:00:05,New Reference date: " + fxtest::historyDate(1));
    // An action acts at the time of the latest price line.
    EXPECT_EQ(lines[4].substr(0, 39), "01-05-2009,10:00:09,BUY - Basket Bias: ");
    EXPECT_EQ(lines[5], "01-05-2009,10:00:09,Ref. Bias =  0");
    EXPECT_EQ(lines.size(), 6u);
}

TEST(ReplayTest, RefusedActionsAreNamedAndTheReplayGoesOn) {
    ReplayRun r;
    r.run(r.header() + "!buy\n!reference 3\n!reference 01-01-1999\n" + r.prices(1) +
              "!close\n!sell\n!sell\n!clear\n!close\n!buy\n!clear\n!buy\n",
          {"--reference-day=7"});
    EXPECT_EQ(r.status, fx::replayDone);
    const std::string ticks = r.ticksPath();
    const std::vector<std::string> expected = {
        "fxmonitor-replay: \"--reference-day 7\" refused: the \"Reference Day:\" list has no "
        "such position",
        ticks + ":2: \"!buy\" refused: the \"Buy\" button is disabled",
        ticks + ":3: \"!reference 3\" refused: the \"Reference Day:\" list has no such position",
        ticks +
            ":4: \"!reference 01-01-1999\" refused: the \"Reference Day:\" list holds no such "
            "date",
        ticks + ":6: \"!close\" refused: the \"Close\" button is disabled",
        ticks + ":8: \"!sell\" refused: the \"Sell\" button is disabled",
        ticks + ":9: \"!clear\" refused: the \"Clear\" button is disabled",
        ticks + ":11: \"!buy\" refused: the \"Buy\" button is disabled",
    };
    EXPECT_EQ(linesOf(r.err), expected);
    EXPECT_EQ(r.descriptions(),
              (std::vector<std::string>{
                  "Started ZA Daderer", "SELL - Basket Bias:  0  Anchor Bias:  0", "Ref. Bias =  0",
                  "Basket Profit: 0", "BUY - Basket Bias:  0  Anchor Bias:  0", "Ref. Bias =  0"}));
}

TEST(ReplayTest, AnEmptyFieldIsAMissingFileAndKeepsThePrice) {
    ReplayRun r;
    r.run(r.header() + "!reference 0\n" + r.prices(1, {{eurusd, "1.2400"}}) +
              r.prices(2, {{eurusd, ""}, {cadjpy, ""}}) + r.prices(3, {{eurusd, " "}}),
          {"--slots", r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const std::string ticks = r.ticksPath();
    EXPECT_EQ(linesOf(r.err),
              (std::vector<std::string>{ticks + ":4: Realtime file not found: CADJPY_RT.csv",
                                        ticks + ":4: Realtime file not found: EURUSD_RT.csv"}));
    const auto rows = r.slotsRows();
    ASSERT_EQ(rows.size(), 5u);
    // 1.2400 - 1.2345 is 55 pips; the missing file and the blank line (read as 0) keep it.
    for (int row = 2; row <= 4; ++row) EXPECT_EQ(moveOf(fieldsOf(rows[row]), "EURUSD"), 55) << row;
}

TEST(ReplayTest, OnlyPricesStrictlyBetween0And500AreTaken) {
    struct Case {
        std::string field;
        bool taken;
    };
    const std::vector<Case> cases = {{"0", false},       {"-1.2", false},      {"500", false},
                                     {"731.5", false},   {"abc", false},       {"+1.5", false},
                                     {"499.999", true},  {"0.0001", true},     {" 101.25", true},
                                     {"\t101.25", true}, {"101.25 junk", true}};
    for (const Case& c : cases) {
        ReplayRun r;
        r.run(r.header() + "!reference 0\n" + r.prices(1, {{cadjpy, c.field}}),
              {"--slots", r.slotsPath()});
        ASSERT_EQ(r.status, fx::replayDone) << r.err;
        const int move = moveOf(fieldsOf(r.slotsRows().at(2)), "CADJPY");
        EXPECT_EQ(move != 0, c.taken) << '"' << c.field << "\" moved " << move;
    }
}

TEST(ReplayTest, SlotsRowsFollowEveryRankingRun) {
    ReplayRun r;
    r.run(r.header() + "!reference 0\n" + r.prices(1) + "!buy\n" +
              r.prices(2, {{eurusd, "1.2357"}, {gbpusd, "1.2335"}}) +
              "!close\n!clear\n!reference 1\n" + r.prices(3),
          {"--slots=" + r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const auto rows = r.slotsRows();
    std::string header = "date,time,cause,RB,BB,AB,BP,SP";
    for (int s = 1; s <= fx::pairCount; ++s)
        header += ",slot" + std::to_string(s) + ",move" + std::to_string(s);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0], header + ",pips");

    const std::vector<std::string> causes = {"reference", "tick", "tick", "reference", "tick"};
    for (std::size_t i = 0; i < causes.size(); ++i) {
        const auto row = fieldsOf(rows[i + 1]);
        ASSERT_EQ(row.size(), static_cast<std::size_t>(Pips + 1)) << rows[i + 1];
        EXPECT_EQ(row[Cause], causes[i]);
    }
    // The reference ranking happens at the first tick's time.
    EXPECT_EQ(fieldsOf(rows[1])[Date], "01-05-2009");
    EXPECT_EQ(fieldsOf(rows[1])[Time], "10:00:01");
    // EURUSD (buy) up 12 pips and GBPUSD (sell) down 10: both count positive.
    const auto moved = fieldsOf(rows[3]);
    EXPECT_EQ(moved[Time], "10:00:02");
    EXPECT_EQ(moved[FirstSlot], "EURUSD");
    EXPECT_EQ(moved[FirstSlot + 1], "12");
    EXPECT_EQ(moved[FirstSlot + 2], "GBPUSD");
    EXPECT_EQ(moved[FirstSlot + 3], "10");
    EXPECT_EQ(moved[BP], "12");
    EXPECT_EQ(moved[SP], "10");
    EXPECT_EQ(moved[RB], "2");
    EXPECT_EQ(moved[BB], "22");
    EXPECT_EQ(moved[AB], "12");
    // The buy basket, revalued at the end of the cycle: +12 - (-10 as a price fall) = 2.
    EXPECT_EQ(moved[Pips], "2");
    // The pips box: "0" before the first revaluation, empty after "Clear".
    EXPECT_EQ(fieldsOf(rows[2])[Pips], "0");
    EXPECT_EQ(fieldsOf(rows[4])[Pips], "");
    EXPECT_EQ(fieldsOf(rows[5])[Pips], "");
}

TEST(ReplayTest, MeasuresSaturateFromTheExactSums) {
    // Three sell pairs with an absurd reference price each move more than 2^31 pips.
    ReplayRun r;
    r.data.writeData(3, [&](int pair, int) {
        if (pair == gbpusd || pair == eurgbp || pair == gbpchf) return 400000.0f;
        return fxtest::typicalPrice(r.data.symbol(pair));
    });
    r.run(r.header() + "!reference 0\n" + r.prices(1), {"--slots", r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const auto row = fieldsOf(r.slotsRows().at(2));
    EXPECT_EQ(row[SP], std::to_string(INT_MAX));
    EXPECT_EQ(row[BB], std::to_string(INT_MAX));
    EXPECT_EQ(row[RB], std::to_string(INT_MIN));
    EXPECT_EQ(row[BP], "0");
    EXPECT_EQ(row[AB], std::to_string(INT_MAX));  // slot 1's move plus slot 14's 0
}

TEST(ReplayTest, RealTimeComesOnWithoutAReferenceDayAndRanksAgainstRowZero) {
    ReplayRun r;
    r.data.writeData(3, [&](int pair, int row) {
        return fxtest::typicalPrice(r.data.symbol(pair)) +
               (pair == eurusd && row == 0 ? -0.0010f : 0.0f);
    });
    r.run(r.header() + r.prices(1) + "!buy\n", {"--slots", r.slotsPath()});
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    EXPECT_EQ(r.err, "");
    const auto rows = r.slotsRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(moveOf(fieldsOf(rows[1]), "EURUSD"), 10);
    EXPECT_EQ(r.descriptions().at(1).substr(0, 19), "BUY - Basket Bias: ");
}

TEST(ReplayTest, AlertActionsSetTheirBoxesRatherThanToggleThem) {
    ReplayRun r;
    // Row 1 has EURUSD 30 pips lower, so choosing it puts EURUSD on top by 30 pips.
    r.data.writeData(3, [&](int pair, int row) {
        return fxtest::typicalPrice(r.data.symbol(pair)) -
               (pair == eurusd && row == 1 ? 0.0030f : 0.0f);
    });
    // Each "on" after the first, and each "off" after an "off", would switch a toggled
    // box the wrong way; "slot off" must keep the next ranking quiet, and a new slot
    // must replace the old one.
    r.run(r.header() + r.prices(1) + "!alert grouped off\n!alert grouped on\n!alert grouped on\n" +
          "!alert slot EURUSD 1\n!alert slot off\n!alert slot off\n!reference 1\n" +
          "!alert slot EURUSD 2\n!reference 1\n!alert slot EURUSD 1\n!reference 1\n");
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    const std::string newDay = "New Reference date: " + fxtest::historyDate(1);
    EXPECT_EQ(r.descriptions(),
              (std::vector<std::string>{"Started ZA Daderer", "Pairs are perfectly grouped.",
                                        newDay, newDay, "Pair: EURUSD is in slot:  1", newDay}));
}

TEST(ReplayTest, IntervalChoosesTheLogTimersItem) {
    ReplayRun r;
    std::string ticks = r.header() + "!reference 0\n!interval 1\n";
    for (int t = 0; t < 121; ++t) ticks += r.prices(t % 60);
    r.run(ticks);
    ASSERT_EQ(r.status, fx::replayDone) << r.err;
    EXPECT_EQ(r.descriptions(),
              (std::vector<std::string>{"Started ZA Daderer",
                                        "New Reference date: " + fxtest::historyDate(0),
                                        "RB =  0  BB =  0  AB =  0", "RB =  0  BB =  0  AB =  0"}));
}

// Regression: --slots naming the ticks file (or a data file) emptied it before the run.
TEST(ReplayTest, SlotsFileNeverReplacesAnInputFile) {
    ReplayRun r;
    const std::string ticks = r.header() + r.prices(1);
    for (const std::string& target : {r.ticksPath(), r.data.folder.pathOf("EURUSD.csv"),
                                      r.data.folder.path() + "./GBPUSD_RT.csv"}) {
        const std::string before = r.data.folder.read(target.substr(r.data.folder.path().size()));
        r.run(ticks, {"--slots", target});
        EXPECT_EQ(r.status, fx::replayUsageError) << target;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("would overwrite the input file"), std::string::npos) << r.err;
        if (target != r.ticksPath()) {
            EXPECT_EQ(r.data.folder.read(target.substr(r.data.folder.path().size())), before);
        }
    }
    EXPECT_EQ(r.data.folder.read("ticks.csv"), ticks);
}

// One engine: the replay and a headless monitor given the same ticks log the same rows.
TEST(ReplayTest, ReplayAndHeadlessMonitorLogTheSameRows) {
    struct Step {
        std::string action;  // empty: a tick with the prices below
        std::vector<std::pair<int, std::string>> prices;
    };
    std::vector<Step> steps = {{"!alert anchor on", {}},  {"!alert bias on", {}},
                               {"!alert grouped on", {}}, {"!alert slot GBPUSD 1", {}},
                               {"!reference 0", {}},      {"!interval 1", {}}};
    for (int t = 0; t < 130; ++t) {
        // EURUSD climbs, then GBPUSD rises and sinks back: anchors change, the bias
        // flips, the groups form and break.
        const float eur = 1.2345f + 0.0001f * static_cast<float>(t % 50);
        const float gbp = 1.2345f + 0.0002f * static_cast<float>(t < 60 ? -t : t - 120);
        Step tick{"", {{eurusd, std::to_string(eur)}, {gbpusd, std::to_string(gbp)}}};
        if (t == 40) tick.prices.push_back({cadjpy, ""});
        steps.push_back(tick);
        if (t == 10) steps.push_back({"!buy", {}});
        if (t == 90) steps.push_back({"!close", {}});
    }

    ReplayRun r;
    std::string ticks = r.header();
    int second = 0;
    for (const Step& step : steps)
        ticks += step.action.empty() ? r.prices(second++ % 60, step.prices) : step.action + "\n";
    r.run(ticks);
    ASSERT_EQ(r.status, fx::replayDone) << r.err;

    fxtest::HeadlessMonitor hm;
    hm.writeData(3);
    hm.clock.set({2009, 1, 5, 10, 0, 0});
    hm.start();
    using namespace fx::mainwin;
    const auto setAlert = [&](int box) { hm.layer.click(hm.optionsWindow(), box); };
    setAlert(fx::optwin::anchorAlertCheck);
    setAlert(fx::optwin::biasAlertCheck);
    setAlert(fx::optwin::groupAlertCheck);
    hm.layer.choose(hm.optionsWindow(), fx::optwin::slotAlertPairCombo, gbpusd);
    hm.layer.choose(hm.optionsWindow(), fx::optwin::slotAlertSlotCombo, 0);
    setAlert(fx::optwin::slotAlertCheck);
    hm.chooseReferenceDay(0);
    hm.chooseMenu(oneMinuteItem);
    hm.clickMain(realTimeModeCheck);
    second = 0;
    for (const Step& step : steps) {
        if (step.action == "!buy") hm.clickMain(buyButton);
        if (step.action == "!close") hm.clickMain(closeButton);
        if (!step.action.empty()) continue;
        for (int k = 0; k < fx::pairCount; ++k) hm.setPrice(k, fxtest::typicalPrice(hm.symbol(k)));
        for (const auto& [pair, text] : step.prices) {
            if (text.empty()) {
                hm.folder.remove(hm.symbol(pair) + "_RT.csv");
            } else {
                hm.writeRealtime(pair, text);
            }
        }
        hm.clock.set({2009, 1, 5, 10, 0, second++ % 60});
        hm.layer.tick(hm.mainWindow(), realTimeTimer);
    }

    std::vector<std::string> monitorRows;
    const int rows = hm.layer.rowCount(hm.mainWindow(), eventLogList);
    for (int row = rows - 1; row >= 0; --row) {
        const auto cell = [&](int column) {
            return hm.layer.cellText(hm.mainWindow(), eventLogList, row, column);
        };
        monitorRows.push_back(cell(0) + ',' + cell(1) + ',' + cell(2));
    }
    EXPECT_EQ(linesOf(r.out), monitorRows);
    // The script reaches what it is meant to: every kind of row is there.
    for (std::string_view kind :
         {"New +anchor: ", "New -anchor: ", "New opposing ", "Reference Bias Flipped",
          "Pairs are perfectly grouped.", "Pair: GBPUSD is in slot:  1",
          "Buy Profit: ", "Basket Profit: ", "RB = "}) {
        EXPECT_NE(r.out.find(kind), std::string::npos) << kind;
    }
}

}  // namespace

namespace {

// `make replay` must show every kind of row the monitor logs, all four alerts among them.
TEST(SampleSessionTest, ShowsAnchorsEveryAlertAndABasketProfit) {
    const std::string sample = FX_SAMPLE_DIR;
    const std::vector<std::string> arguments = {"--data",
                                                sample,
                                                "--alert",
                                                "anchor",
                                                "--alert",
                                                "bias",
                                                "--alert",
                                                "grouped",
                                                "--alert",
                                                "slot=GBPJPY:1",
                                                sample + "/ticks.csv"};
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    std::ostringstream log;
    std::ostringstream messages;
    ASSERT_EQ(fx::replayMain(views, log, messages), fx::replayDone) << messages.str();
    EXPECT_EQ(messages.str(), "");
    for (std::string_view kind :
         {"New +anchor: ", "New -anchor: ", "New opposing top anchor: ",
          "New opposing bottom anchor: ", "Reference Bias Flipped Negative!",
          "Reference Bias Flipped Positive!", "Pairs are perfectly grouped.",
          "Pair: GBPJPY is in slot:  1", "Buy Profit: ", "Basket Profit: "})
        EXPECT_NE(log.str().find(kind), std::string::npos) << kind;
}

}  // namespace
