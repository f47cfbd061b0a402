// The real fxmonitor-replay program: its exit statuses, its stdout and its stderr.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "replay/replay.h"
#include "support/replay_run.h"

#ifdef FX_REPLAY_PROGRAM
#include <sys/wait.h>
#endif

namespace {

using fxtest::linesOf;

class ReplayProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef FX_REPLAY_PROGRAM
        GTEST_SKIP() << "the program is run only where it was built for this machine";
#endif
    }

    // Runs the program in the data folder; stdout and stderr go to files there.
    int runProgram(const std::string& arguments) {
#ifdef FX_REPLAY_PROGRAM
        const std::string command = "cd '" + r.data.folder.path() +
                                    "' && '" FX_REPLAY_PROGRAM "' " + arguments +
                                    " >stdout.txt 2>stderr.txt";
        const int status = std::system(command.c_str());
        out = r.data.folder.read("stdout.txt");
        err = r.data.folder.read("stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
        (void)arguments;
        return -1;
#endif
    }

    fxtest::ReplayRun r;
    std::string out;
    std::string err;
};

TEST_F(ReplayProgramTest, DonePrintsTheLogWithLfLineEndsAndHelpTheUsage) {
    ASSERT_EQ(runProgram("--help"), fx::replayDone);
    EXPECT_NE(out.find("Usage: fxmonitor-replay"), std::string::npos);
    r.data.folder.write("ticks.csv", r.header() + "!reference 0\r\n" + r.prices(1) + "!buy\r\n");
    ASSERT_EQ(runProgram("--slots=s.csv ticks.csv"), fx::replayDone) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(out.find('\r'), std::string::npos);
    const auto lines = linesOf(out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "01-05-2009,10:00:01,Started ZA Daderer");
    EXPECT_EQ(linesOf(r.data.folder.read("s.csv")).size(), 3u);
}

TEST_F(ReplayProgramTest, ErrorExitsLeaveStdoutEmpty) {
    struct Case {
        std::string arguments;
        bool historyMissing;
        int status;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"--slots s.csv ticks.csv", true, fx::replayHistoryMissing,
         "GBPUSD.csv history file could not be opened."},
        // The history files are checked before the ticks file.
        {"--slots s.csv --variant 16 ticks.csv", true, fx::replayUsageError, "--variant must be"},
        {"--slots s.csv bad.csv", false, fx::replayUsageError, "bad.csv:2: the header"},
        {"--slots s.csv missing.csv", false, fx::replayUsageError,
         "missing.csv: the ticks file cannot"},
    };
    for (const Case& c : cases) {
        r.data.writeData(3);
        if (c.historyMissing) r.data.folder.remove("GBPUSD.csv");
        r.data.folder.remove("s.csv");
        r.data.folder.write("ticks.csv", r.header() + r.prices(1));
        r.data.folder.write("bad.csv", "#\n" + r.header().substr(1) + r.prices(1));
        EXPECT_EQ(runProgram(c.arguments), c.status) << c.arguments;
        EXPECT_EQ(out, "") << c.arguments;
        EXPECT_NE(err.find(c.message), std::string::npos) << err;
        EXPECT_EQ(linesOf(err).size(), 1u) << err;
        EXPECT_FALSE(r.data.folder.exists("s.csv")) << c.arguments;
    }
}

}  // namespace
