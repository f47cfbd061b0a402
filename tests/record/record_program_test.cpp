// fxmonitor-record's command line, and the program stopped by a signal (POSIX; Ctrl+C on
// Windows sets the same flag).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prices/price_files.h"
#include "record/record_options.h"
#include "replay/ticks_file.h"
#include "support/child_process.h"
#include "support/replay_run.h"
#include "support/temp_folder.h"

namespace fxtest {
namespace {

TEST(RecordOptionsTest, TheDefaultsAndTheMistakesOfItsOwn) {
    const fx::record::RecordOptions defaults = fx::record::parseRecordOptions({}).options;
    EXPECT_EQ(defaults.folder + " " + defaults.out + " " + std::string(defaults.variant->name),
              ". ticks.csv 17b");
    EXPECT_EQ(defaults.pace.intervalMs, 1000u);
    EXPECT_EQ(fx::record::parseRecordOptions({"--out", "a.csv", "--daily", "days"}).error,
              "--out and --daily cannot be given together");
}

#ifndef _WIN32
class RecordSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(RecordSignalTest, StopsAfterAWholeLine) {
    using namespace std::chrono_literals;
    TempFolder folder;
    for (const std::string_view symbol : fx::variant(fx::VariantId::V17b).pairTable)
        folder.write(fx::realtimeFileName(symbol), "1.25\r\n");
    ChildProcess recorder(FX_RECORD_PROGRAM,
                          {"--interval-ms", "1", "--out", folder.pathOf("r.csv"), folder.path()},
                          folder.pathOf("messages.txt"));
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (linesOf(folder.read("r.csv")).size() < 3 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(5ms);

    recorder.signal(GetParam());
    EXPECT_EQ(recorder.waitForExit(10s), 0);
    const fx::TicksCheck check =
        fx::checkTicksFile(folder.pathOf("r.csv"), fx::variant(fx::VariantId::V17b));
    ASSERT_TRUE(check.ok) << check.error;
    EXPECT_TRUE(folder.read("r.csv").ends_with("\r\n"));
    EXPECT_TRUE(contains(folder.read("messages.txt"),
                         "stopped; " + std::to_string(check.priceLines) + " lines recorded"))
        << folder.read("messages.txt");
}

INSTANTIATE_TEST_SUITE_P(CtrlCAndTerminate, RecordSignalTest, ::testing::Values(SIGINT, SIGTERM));
#endif

}  // namespace
}  // namespace fxtest
