// fxmonitor-replay --report: the page is made only by a replay that went through, and
// opened in a real browser it shows what the replay's own log and --study file say.

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
TEST(ReportOptionTest, ErrorExitsLeaveNoReportNorStudy) {
    const struct {
        std::string report, study, slots;
        bool badTicksFile;
        std::string message;
    } cases[] = {
        {"report.html", "study.csv", "", true, "the header"},
        {"no-such-folder/report.html", "study.csv", "", false, "the report file cannot be created"},
        {"report.html", "no-such-folder/study.csv", "", false, "the study file cannot be created"},
        {"report.html", "study.csv", "report.html", false, "--report and --slots name the same"},
        {"report.html", "report.html", "", false, "--report and --study name the same file"},
        {"report.html", "ticks.csv", "", false, "would overwrite the input file"},
    };
    for (const auto& c : cases) {
        fxtest::ReplayRun r;
        const std::string ticks = c.badTicksFile ? "#\n" + v17bHeader.substr(1) + r.prices(1)
                                                 : v17bHeader + "!reference 0\n" + r.prices(1);
        std::vector<std::string> arguments = {"--report", r.pathOf(c.report), "--study",
                                              r.pathOf(c.study)};
        if (!c.slots.empty()) arguments.insert(arguments.end(), {"--slots", r.pathOf(c.slots)});
        EXPECT_EQ(r.run(ticks, arguments), fx::replayUsageError) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
        EXPECT_FALSE(r.data.folder.exists("report.html")) << c.message;
        EXPECT_FALSE(r.data.folder.exists("study.csv")) << c.message;
        EXPECT_EQ(r.data.folder.read("ticks.csv"), ticks) << c.message;
    }
}

#if defined(FX_PYTHON) && defined(FX_OPEN_IN_BROWSER)

TEST(ReportInBrowserTest, PageShowsWhatTheLogSays) {
    fxtest::ReplayRun r;
    const std::string page = r.pathOf("report.html");
    const std::map<std::pair<int, int>, std::string> actions = {{{5, 2}, "!buy\n"},
                                                                {{5, 30}, "!close\n!clear\n"},
                                                                {{5, 40}, "!sell\n"},
                                                                {{6, 10}, "!close\n!clear\n"},
                                                                {{6, 45}, "!buy\n"}};
    ASSERT_EQ(r.run(fxtest::phasedSession(r, 1, actions), {"--alert", "anchor", "--alert", "bias", "--alert",
                                         "grouped", "--alert", "slot=GBPUSD:1", "--report", page,
                                         "--study", r.pathOf("study.csv")}),
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
    Lines charts, closedResults, study;
    for (const std::string& line : found) {
        const Lines f = fieldsOf(line, '\t');
        if (f[0] == "row" && f[1].starts_with("study-")) {
            std::string row = f[1].substr(6);
            for (std::size_t i = 2; i < f.size(); ++i) row += "," + (f[i] == "n/a" ? "" : f[i]);
            study.push_back(row);
        }
        if (f[0] == "chart" && f.size() == 5) {
            charts.push_back(f[1]);
            for (int i = 2; i < 5; ++i) EXPECT_GT(std::stoi(f[i]), 0) << line << ": nothing drawn";
        }
        if (f[0] == "row" && f[1] == "baskets" && f.size() == 7 && f[5] != "still open")
            closedResults.push_back(f[6]);
    }
    EXPECT_EQ(charts, (Lines{"moves-chart", "measures-chart", "slots-chart", "alerts-chart",
                             "baskets-chart", "study-anchor-chart", "study-bias-chart",
                             "study-grouped-chart", "study-slot-chart", "study-baskets-chart"}));
    EXPECT_EQ(closedResults, profits);
    const Lines csv = linesOf(r.data.folder.read("study.csv"));
    EXPECT_EQ(study, Lines(csv.begin() + 1, csv.end()));
}

#endif

}  // namespace
