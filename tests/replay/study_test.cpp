// fxmonitor-replay --study: each alert's basket is worth what the trade simulator logs for
// a real basket opened at the alert's tick and closed at the horizon's.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "replay/replay.h"
#include "support/replay_run.h"

namespace {

using fxtest::Lines;

// The CSV's figures from the words of --help: count, valued, mean, median, percentage
// above 0 (one decimal), best, worst.
std::string figures(int alerts, std::vector<int> pips) {
    std::string text = std::to_string(alerts) + "," + std::to_string(pips.size());
    if (pips.empty()) return text + ",,,,,";
    std::sort(pips.begin(), pips.end());
    const std::size_t n = pips.size();
    double sum = 0, above = 0;
    for (int p : pips) sum += p, above += p > 0;
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, ",%.1f,%.1f,%.1f,", sum / n,
                  (pips[(n - 1) / 2] + pips[n / 2]) / 2.0, 100 * above / n);
    return text + numbers + std::to_string(pips.back()) + "," + std::to_string(pips.front());
}

TEST(StudyTest, FiguresAreWhatTheSimulatorLogs) {
    fxtest::ReplayRun r;
    const std::vector<std::string> alertsOn = {"--alert", "anchor", "--alert", "bias", "--alert",
                                               "grouped", "--alert", "slot=GBPUSD:1"};
    std::vector<std::string> arguments = alertsOn;
    arguments.insert(arguments.end(),
                     {"--study", r.pathOf("study.csv"), "--study-horizons", "1440,5"});
    // The user's own basket, open from the fourth tick to the last.
    ASSERT_EQ(r.run(fxtest::phasedSession(r, 60, {{{5, 3}, "!buy\n"}, {{6, 59}, "!close\n"}}),
                    arguments),
              fx::replayDone)
        << r.err;
    const Lines csv = fxtest::linesOf(r.data.folder.read("study.csv"));
    const Lines profit = fxtest::startingWith(r.descriptions(), "Basket Profit: ");
    ASSERT_EQ(profit.size(), 1u);
    EXPECT_NE(std::find(csv.begin(), csv.end(),
                        "baskets,end,BUY," + figures(1, {std::stoi(profit[0].substr(15))})),
              csv.end());
    const Lines log = fxtest::linesOf(r.out);

    // Ticks a minute apart from 10:00 on two days: tick i is day 5 + i / 60, minute i % 60.
    const auto tickOf = [](const std::string& row) {
        return (row[4] - '5') * 60 + std::stoi(row.substr(14, 2));
    };
    const auto secondsOf = [](int tick) { return tick / 60 * 86400 + tick % 60 * 60; };
    const std::string rules[] = {"New opposing ", "Reference Bias Flipped ",
                                 "Pairs are perfectly grouped.", "Pair: "};
    const std::string words[] = {"anchor", "bias", "grouped", "slot"};
    const int horizons[] = {5, 1440, -1};  // -1: the session's end
    std::map<std::string, std::vector<int>> pips;  // by the CSV's rule,horizon,direction
    std::map<std::string, int> alerts;
    int notValued = 0;
    fxtest::ReplayRun basket;
    for (const std::string& row : log) {
        for (int rule = 0; rule < 4; ++rule) {
            if (!row.substr(20).starts_with(rules[rule])) continue;
            const int opened = tickOf(row);
            for (const int horizon : horizons) {
                int closed = horizon < 0 ? 119 : opened;
                while (closed < 120 && secondsOf(closed) < secondsOf(opened) + horizon * 60)
                    ++closed;
                for (const std::string direction : {"BUY", "SELL"}) {
                    const std::string key = words[rule] + "," +
                                            (horizon < 0 ? "end" : std::to_string(horizon)) +
                                            "," + direction;
                    ++alerts[key];
                    if (closed == 120) {
                        ++notValued;
                        continue;
                    }
                    fxtest::SessionActions actions = {
                        {{5 + opened / 60, opened % 60}, direction == "BUY" ? "!buy\n" : "!sell\n"}};
                    actions[{5 + closed / 60, closed % 60}] += "!close\n";
                    ASSERT_EQ(basket.run(fxtest::phasedSession(basket, 60, actions), alertsOn),
                              fx::replayDone);
                    const Lines profit = fxtest::startingWith(basket.descriptions(), "Basket Profit: ");
                    ASSERT_EQ(profit.size(), 1u) << row;
                    pips[key].push_back(std::stoi(profit[0].substr(15)));
                }
            }
        }
    }
    EXPECT_GT(notValued, 0);
    for (const auto& [key, count] : alerts)
        EXPECT_NE(std::find(csv.begin(), csv.end(), key + "," + figures(count, pips[key])),
                  csv.end())
            << key << "," << figures(count, pips[key]);
    EXPECT_EQ(alerts.size(), 4u * 3 * 2);
}

}  // namespace
