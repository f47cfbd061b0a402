// fxmonitor-replay --report: the page is made only by a replay that went through, and
// opened in a real browser it shows what the replay's own log says.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "replay/replay.h"
#include "support/replay_run.h"

namespace {

using fxtest::fieldsOf;
using fxtest::linesOf;

TEST(ReportOptionTest, ErrorExitsLeaveNoReport) {
    struct Case {
        std::string reportName;
        bool badTicksFile;
        std::string message;
        bool alsoAsSlots = false;
    };
    const std::vector<Case> cases = {
        {"report.html", true, "the header"},
        {"ticks.csv", false, "would overwrite the input file"},
        {"GBPUSD.csv", false, "would overwrite the input file"},
        {"no-such-folder/report.html", false, "the report file cannot be created"},
        // Neither file is made.
        {"report.html", false, "name the same file", true},
    };
    for (const Case& c : cases) {
        fxtest::ReplayRun r;
        std::string ticks = r.header() + "!reference 0\n" + r.prices(1);
        if (c.badTicksFile) ticks = "#\n" + r.header().substr(1) + r.prices(1);
        const std::string history = r.data.folder.read("GBPUSD.csv");
        std::vector<std::string> arguments = {"--report", r.data.folder.pathOf(c.reportName)};
        if (c.alsoAsSlots) arguments.insert(arguments.end(), {"--slots", arguments[1]});
        EXPECT_EQ(r.run(ticks, arguments), fx::replayUsageError) << c.reportName;
        EXPECT_EQ(r.out, "") << c.reportName;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_FALSE(r.data.folder.exists("report.html")) << c.reportName;
        EXPECT_EQ(r.data.folder.read("ticks.csv"), ticks) << c.reportName;
        EXPECT_EQ(r.data.folder.read("GBPUSD.csv"), history) << c.reportName;
    }
}

#if defined(FX_PYTHON) && defined(FX_OPEN_IN_BROWSER)

// Two days of one-second ticks in four phases a day: the buy group on top, mixed,
// the sell group on top with GBPUSD leading, mixed again; baskets opened and closed on
// both days, the last one left open. Every alert rule fires on both days.
std::string scriptedSession(const fxtest::ReplayRun& r) {
    std::string ticks = r.header() + "!reference 0\n";
    for (int day = 5; day <= 6; ++day) {
        if (day == 6) ticks += "!alert slot GBPUSD 1\n";
        for (int t = 0; t < 60; ++t) {
            char stamp[32];
            std::snprintf(stamp, sizeof stamp, "01-%02d-2009 10:00:%02d", day, t);
            ticks += stamp;
            for (int k = 0; k < fx::pairCount; ++k) {
                int g = 0;
                while (fx::pairGroupOrder[g] != k) ++g;
                const bool buyGroup = g < fx::buyGroupSize;
                const int place = g % fx::buyGroupSize;
                int move = 0;
                if (t < 20) move = buyGroup ? 30 + 2 * place : -30 - place;
                if ((t >= 20 && t < 25) || t >= 50)
                    move = (place + (buyGroup ? 0 : 1)) % 2 ? -10 - place : 10 + place;
                if (t >= 25 && t < 50)
                    move = buyGroup ? -30 - 2 * place : (k == 0 ? 80 : 30 + place);
                const std::string symbol = r.data.symbol(k);
                const double factor = symbol.ends_with("JPY") ? 100.0 : 10000.0;
                const double price =
                    fxtest::typicalPrice(symbol) + (buyGroup ? move : -move) / factor;
                char field[32];
                std::snprintf(field, sizeof field, ",%.5f", price);
                ticks += field;
            }
            ticks += "\n";
            if (day == 5 && t == 2) ticks += "!buy\n";
            if (day == 5 && t == 30) ticks += "!close\n!clear\n";
            if (day == 5 && t == 40) ticks += "!sell\n";
            if (day == 6 && t == 10) ticks += "!close\n!clear\n";
            if (day == 6 && t == 45) ticks += "!buy\n";
        }
    }
    return ticks;
}

// The rule a log row belongs to, by the words each rule logs; -1 for other rows.
int ruleOfRow(const std::string& description) {
    if (description.starts_with("New opposing top anchor: ") ||
        description.starts_with("New opposing bottom anchor: "))
        return 0;
    if (description == "Reference Bias Flipped Negative!" ||
        description == "Reference Bias Flipped Positive!")
        return 1;
    if (description == "Pairs are perfectly grouped.") return 2;
    if (description.starts_with("Pair: ") && description.find(" is in slot: ") != std::string::npos)
        return 3;
    return -1;
}

std::string outputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    pclose(pipe);
    return output;
}

std::vector<std::string> tabFields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}

TEST(ReportInBrowserTest, PageShowsWhatTheLogSays) {
    fxtest::ReplayRun r;
    const std::string page = r.data.folder.pathOf("report.html");
    ASSERT_EQ(r.run(scriptedSession(r), {"--alert", "anchor", "--alert", "bias", "--alert",
                                         "grouped", "--alert", "slot=GBPUSD:1", "--report", page}),
              fx::replayDone)
        << r.err;

    // Per day, per rule: the count, the first and the last time of the log's rows.
    std::map<std::string, std::array<std::array<std::string, 3>, 4>> logDays;
    std::array<int, 4> rowsPerRule{};
    std::vector<std::string> profits;
    for (const std::string& line : linesOf(r.out)) {
        const auto fields = fieldsOf(line);
        const std::string description = line.substr(fields[0].size() + fields[1].size() + 2);
        if (description.starts_with("Basket Profit: "))
            profits.push_back(description.substr(description.find_first_not_of(' ', 15)));
        const int rule = ruleOfRow(description);
        if (rule < 0) continue;
        auto& tally = logDays[fields[0]][rule];
        tally[0] = std::to_string(tally[0].empty() ? 1 : std::stoi(tally[0]) + 1);
        if (tally[1].empty()) tally[1] = fields[1];
        tally[2] = fields[1];
        ++rowsPerRule[rule];
    }
    for (int rule = 0; rule < 4; ++rule) EXPECT_GT(rowsPerRule[rule], 1) << "rule " << rule;
    ASSERT_EQ(profits.size(), 2u) << r.out;

    const std::string found = outputOf("'" FX_PYTHON "' '" FX_OPEN_IN_BROWSER "' '" + page + "'");
    std::vector<std::string> charts;
    std::map<std::string, std::array<std::array<std::string, 3>, 4>> pageDays;
    std::vector<std::string> closedResults;
    for (const std::string& line : linesOf(found)) {
        const auto f = tabFields(line);
        EXPECT_NE(f[0], "error") << line;
        if (f[0] == "chart" && f.size() == 5) {
            charts.push_back(f[1]);
            EXPECT_GT(std::stoi(f[2]), 0) << line;
            EXPECT_GT(std::stoi(f[3]), 0) << line;
            EXPECT_GT(std::stoi(f[4]), 0) << line << ": nothing drawn";
        }
        if (f[0] == "row" && f[1] == "alert-days" && f.size() == 15) {
            auto& day = pageDays[f[2]];
            for (int rule = 0; rule < 4; ++rule) {
                day[rule] = {f[3 + 3 * rule], f[4 + 3 * rule], f[5 + 3 * rule]};
                if (day[rule][0] == "0") day[rule][0].clear();
            }
        }
        if (f[0] == "row" && f[1] == "baskets" && f.size() == 7 && f[5] != "still open")
            closedResults.push_back(f[6]);
    }
    EXPECT_EQ(charts, (std::vector<std::string>{"moves-chart", "measures-chart", "slots-chart",
                                                "alerts-chart", "baskets-chart"}))
        << found;
    EXPECT_EQ(pageDays.size(), 2u);
    EXPECT_EQ(pageDays, logDays) << found;
    EXPECT_EQ(closedResults, profits) << found;
}

#endif

}  // namespace
