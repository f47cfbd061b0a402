// The real fxmonitor-replay program, where it was built for this machine: its exit
// statuses, its stdout and its stderr.
#ifdef FX_REPLAY_PROGRAM

#include <gtest/gtest.h>

#include <string>

#include "replay/replay.h"
#include "support/replay_run.h"

namespace {

using fxtest::linesOf;
using fxtest::v17bHeader;

// Runs the program in the data folder.
fxtest::ToolRun runProgram(const fxtest::ReplayRun& r, const std::string& arguments) {
    return fxtest::runInShell("'" FX_REPLAY_PROGRAM "' " + arguments, r.data.folder);
}

TEST(ReplayProgramTest, DonePrintsTheLogWithLfLineEndsAndHelpTheUsage) {
    fxtest::ReplayRun r;
    EXPECT_TRUE(runProgram(r, "--help").out.starts_with("Usage: fxmonitor-replay"));
    r.data.folder.write("ticks.csv", v17bHeader + "!reference 0\r\n" + r.prices(1) + "!buy\r\n");
    const auto run = runProgram(r, "--slots=s.csv ticks.csv");
    EXPECT_EQ(run.status, fx::replayDone);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
    ASSERT_EQ(linesOf(run.out).size(), 4u);
    EXPECT_EQ(linesOf(run.out)[0], "01-05-2009,10:00:01,Started ZA Daderer");
    EXPECT_EQ(linesOf(r.data.folder.read("s.csv")).size(), 3u);
}

TEST(ReplayProgramTest, ErrorExitsLeaveStdoutEmpty) {
    const struct {
        std::string arguments;
        int status;
        std::string message;
    } cases[] = {
        // GBPUSD.csv is missing: the command line is read first, then the history files,
        // then the ticks file.
        {"--variant 16 bad.csv", fx::replayUsageError, "--variant must be"},
        {"bad.csv", fx::replayHistoryMissing, "GBPUSD.csv history file could not be opened."},
        {"bad.csv", fx::replayUsageError, "bad.csv:2: the header"},
        {"missing.csv", fx::replayUsageError, "missing.csv: the ticks file cannot"},
        // Found only after ticks that logged rows and ranked: nothing of them is written.
        {"late.csv", fx::replayUsageError, "late.csv:5: "},
    };
    fxtest::ReplayRun r;
    r.data.folder.write("bad.csv", "#\n" + v17bHeader.substr(1) + r.prices(1));
    r.data.folder.write("late.csv", v17bHeader + "!reference 0\n" + r.prices(1) + r.prices(2) + "!jump\n");
    r.data.folder.remove("GBPUSD.csv");
    for (const auto& c : cases) {
        const auto run = runProgram(r, "--slots s.csv " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(fxtest::contains(run.err, c.message)) << run.err;
        EXPECT_EQ(linesOf(run.err).size(), 1u) << run.err;
        EXPECT_FALSE(r.data.folder.exists("s.csv"));
        if (c.status == fx::replayHistoryMissing) r.data.writeData(3);
    }
}

}  // namespace

#endif
