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

TEST(RecordOptionsTest, TheDefaultsRecordTheCurrentFolderOnceASecondIntoTicksCsv) {
    const fx::record::ParsedRecordOptions parsed = fx::record::parseRecordOptions({});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.folder, ".");
    EXPECT_EQ(parsed.options.out, "ticks.csv");
    EXPECT_EQ(parsed.options.dailyFolder, "");
    EXPECT_EQ(parsed.options.pace.intervalMs, 1000u);
    EXPECT_EQ(parsed.options.variant->name, "17b");
    EXPECT_FALSE(parsed.options.pace.count);
}

TEST(RecordOptionsTest, MistakesAreNamed) {
    const std::pair<std::vector<std::string>, std::string> mistakes[] = {
        {{"--out", "a.csv", "--daily", "days"}, "--out and --daily cannot be given together"},
        {{"--variant", "18"}, "--variant takes 17, 17b or 17c"},
        {{"--interval-ms", "1s"}, "--interval-ms takes a whole number from 0 to 86400000"},
        {{"--count", "0"}, "--count takes a whole number from 1 on"},
        {{"here", "there"}, "only one folder may be given"},
    };
    for (const auto& [arguments, error] : mistakes)
        EXPECT_TRUE(contains(fx::record::parseRecordOptions(arguments).error, error)) << error;
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
