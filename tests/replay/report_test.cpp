// fxmonitor-replay --report: the page is made only by a replay that went through, and
// opened in a real browser it shows what the replay's own log says.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "replay/replay.h"
#include "support/replay_run.h"

namespace {

using fxtest::contains;
using fxtest::fieldsOf;
using fxtest::Lines;
using fxtest::linesOf;
using fxtest::v17bHeader;

// Was: --report and --slots naming one file wrote the report, then the slots over it.
TEST(ReportOptionTest, ErrorExitsLeaveNoReport) {
    const struct {
        std::string reportName;
        bool badTicksFile, alsoAsSlots;
        std::string message;
    } cases[] = {
        {"report.html", true, false, "the header"},
        {"no-such-folder/report.html", false, false, "the report file cannot be created"},
        {"report.html", false, true, "name the same file"},
    };
    for (const auto& c : cases) {
        fxtest::ReplayRun r;
        const std::string ticks = c.badTicksFile ? "#\n" + v17bHeader.substr(1) + r.prices(1)
                                                 : v17bHeader + "!reference 0\n" + r.prices(1);
        std::vector<std::string> arguments = {"--report", r.pathOf(c.reportName)};
        if (c.alsoAsSlots) arguments.insert(arguments.end(), {"--slots", arguments[1]});
        EXPECT_EQ(r.run(ticks, arguments), fx::replayUsageError) << c.reportName;
        EXPECT_EQ(r.out, "") << c.reportName;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
        EXPECT_FALSE(r.data.folder.exists("report.html")) << c.reportName;
    }
}

#if defined(FX_PYTHON) && defined(FX_OPEN_IN_BROWSER)

// Two days of one-second ticks in four phases a day: the buy group on top, mixed, the
// sell group on top with GBPUSD leading, mixed again; baskets opened and closed on both
// days, the last one left open. Every alert rule fires on both days.
std::string scriptedSession(const fxtest::ReplayRun& r) {
    const std::map<std::pair<int, int>, std::string> actions = {{{5, 2}, "!buy\n"},
                                                                {{5, 30}, "!close\n!clear\n"},
                                                                {{5, 40}, "!sell\n"},
                                                                {{6, 10}, "!close\n!clear\n"},
                                                                {{6, 45}, "!buy\n"}};
    std::string ticks = v17bHeader + "!reference 0\n";
    for (int day = 5; day <= 6; ++day) {
        if (day == 6) ticks += "!alert slot GBPUSD 1\n";
        for (int t = 0; t < 60; ++t) {
            char text[32];
            std::snprintf(text, sizeof text, "01-%02d-2009 10:00:%02d", day, t);
            ticks += text;
            for (int k = 0; k < fx::pairCount; ++k) {
                const auto& order = fx::pairGroupOrder;
                const int g =
                    static_cast<int>(std::find(order.begin(), order.end(), k) - order.begin());
                const bool buy = g < fx::buyGroupSize;
                const int place = g % fx::buyGroupSize;
                int move = buy ? -30 - 2 * place : (k == 0 ? 80 : 30 + place);
                if (t < 20) move = buy ? 30 + 2 * place : -30 - place;
                if ((t >= 20 && t < 25) || t >= 50)
                    move = (place + (buy ? 0 : 1)) % 2 ? -10 - place : 10 + place;
                const std::string symbol = r.data.symbol(k);
                std::snprintf(text, sizeof text, ",%.5f",
                              fxtest::typicalPrice(symbol) +
                                  (buy ? move : -move) / (symbol.ends_with("JPY") ? 100.0 : 1e4));
                ticks += text;
            }
            ticks += "\n";
            if (const auto action = actions.find({day, t}); action != actions.end())
                ticks += action->second;
        }
    }
    return ticks;
}

TEST(ReportInBrowserTest, PageShowsWhatTheLogSays) {
    fxtest::ReplayRun r;
    const std::string page = r.pathOf("report.html");
    ASSERT_EQ(r.run(scriptedSession(r), {"--alert", "anchor", "--alert", "bias", "--alert",
                                         "grouped", "--alert", "slot=GBPUSD:1", "--report", page}),
              fx::replayDone)
        << r.err;

    // Per day, per rule (by the words each rule logs): the times of the log's rows.
    const std::string rules[] = {"New opposing ", "Reference Bias Flipped ",
                                 "Pairs are perfectly grouped.", "Pair: "};
    std::map<std::string, std::array<Lines, 4>> times;
    Lines profits;
    for (const std::string& line : linesOf(r.out)) {
        const std::string day = line.substr(0, 10), time = line.substr(11, 8);
        const std::string description = line.substr(20);
        if (description.starts_with("Basket Profit: "))
            profits.push_back(description.substr(description.find_first_not_of(' ', 15)));
        for (int rule = 0; rule < 4; ++rule)
            if (description.starts_with(rules[rule])) times[day][rule].push_back(time);
    }
    ASSERT_EQ(times.size(), 2u);
    ASSERT_EQ(profits.size(), 2u) << r.out;
    // The page's table of alerts per day: the date, then per rule the count, the first
    // and the last time.
    Lines alertDays;
    for (const auto& [day, ruleTimes] : times) {
        alertDays.push_back("row\talert-days\t" + day);
        for (const Lines& t : ruleTimes) {
            ASSERT_FALSE(t.empty()) << day << " " << alertDays.size();
            alertDays.back() +=
                "\t" + std::to_string(t.size()) + "\t" + t.front() + "\t" + t.back();
        }
    }

    const std::string open =
        "'" FX_PYTHON "' '" FX_OPEN_IN_BROWSER "' '" + page + "' >'" + page + ".txt'";
    ASSERT_EQ(std::system(open.c_str()), 0) << "the page did not load";
    const Lines found = linesOf(r.data.folder.read("report.html.txt"));
    EXPECT_EQ(fxtest::startingWith(found, "row\talert-days\t"), alertDays);
    EXPECT_EQ(fxtest::startingWith(found, "error"), Lines{});
    Lines charts, closedResults;
    for (const std::string& line : found) {
        const Lines f = fieldsOf(line, '\t');
        if (f[0] == "chart" && f.size() == 5) {
            charts.push_back(f[1]);
            for (int i = 2; i < 5; ++i) EXPECT_GT(std::stoi(f[i]), 0) << line << ": nothing drawn";
        }
        if (f[0] == "row" && f[1] == "baskets" && f.size() == 7 && f[5] != "still open")
            closedResults.push_back(f[6]);
    }
    EXPECT_EQ(charts, (Lines{"moves-chart", "measures-chart", "slots-chart", "alerts-chart",
                             "baskets-chart"}));
    EXPECT_EQ(closedResults, profits);
}

#endif

}  // namespace
