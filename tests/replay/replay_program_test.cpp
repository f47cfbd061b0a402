// The real fxmonitor-replay program, where it was built for this machine: its exit
// statuses, its stdout and its stderr.
#ifdef FX_REPLAY_PROGRAM

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "replay/replay.h"
#include "support/replay_run.h"

namespace {

using fxtest::linesOf;
using fxtest::v17bHeader;

class ReplayProgramTest : public ::testing::Test {
protected:
    // Runs the program in the data folder; stdout and stderr go to files there.
    int runProgram(const std::string& arguments) {
        const std::string command = "cd '" + r.data.folder.path() +
                                    "' && '" FX_REPLAY_PROGRAM "' " + arguments +
                                    " >stdout.txt 2>stderr.txt";
        const int status = std::system(command.c_str());
        out = r.data.folder.read("stdout.txt");
        err = r.data.folder.read("stderr.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fxtest::ReplayRun r;
    std::string out;
    std::string err;
};

TEST_F(ReplayProgramTest, DonePrintsTheLogWithLfLineEndsAndHelpTheUsage) {
    ASSERT_EQ(runProgram("--help"), fx::replayDone);
    EXPECT_TRUE(out.starts_with("Usage: fxmonitor-replay")) << out;
    r.data.folder.write("ticks.csv", v17bHeader + "!reference 0\r\n" + r.prices(1) + "!buy\r\n");
    ASSERT_EQ(runProgram("--slots=s.csv ticks.csv"), fx::replayDone) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(out.find('\r'), std::string::npos);
    ASSERT_EQ(linesOf(out).size(), 4u);
    EXPECT_EQ(linesOf(out)[0], "01-05-2009,10:00:01,Started ZA Daderer");
    EXPECT_EQ(linesOf(r.data.folder.read("s.csv")).size(), 3u);
}

TEST_F(ReplayProgramTest, ErrorExitsLeaveStdoutEmpty) {
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
    };
    r.data.folder.write("bad.csv", "#\n" + v17bHeader.substr(1) + r.prices(1));
    r.data.folder.remove("GBPUSD.csv");
    for (const auto& c : cases) {
        EXPECT_EQ(runProgram("--slots s.csv " + c.arguments), c.status) << c.message;
        EXPECT_EQ(out, "");
        EXPECT_TRUE(fxtest::contains(err, c.message)) << err;
        EXPECT_EQ(linesOf(err).size(), 1u) << err;
        EXPECT_FALSE(r.data.folder.exists("s.csv"));
        if (c.status == fx::replayHistoryMissing) r.data.writeData(3);
    }
}

}  // namespace

#endif
