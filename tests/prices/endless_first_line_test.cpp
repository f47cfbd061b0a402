// Only the first characters of a real-time file's first line are ever used, so reading
// it must not depend on how far the line runs: a file without line ends, or a device
// that never ends, is read no further than those characters.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "prices/price_files.h"
#include "support/temp_folder.h"
#include "text/text_file.h"

namespace {

using namespace std::chrono_literals;

TEST(EndlessFirstLineTest, LongFirstLineGivesItsFirstKeptCharacters) {
    fxtest::TempFolder folder;
    folder.write("GBPUSD_RT.csv", "1.4562" + std::string(1 << 20, '7') + "\r\n2.5\r\n");
    const auto line = fx::readFirstLine(folder.pathOf("GBPUSD_RT.csv"));
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, "1.4562" + std::string(fx::maxLineLength - 6, '7'));
}

#ifndef _WIN32
// The read, on a thread of its own so that a read that never ends fails the test
// instead of hanging it.
std::optional<std::string> firstLineWithin(const std::string& path, std::chrono::seconds limit) {
    struct Shared {
        std::atomic<bool> done{false};
        std::optional<std::string> line;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, path] {
        shared->line = fx::readFirstLine(path);
        shared->done = true;
    }).detach();
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!shared->done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    if (!shared->done) return std::string("(still reading)");
    return shared->line;
}

TEST(EndlessFirstLineTest, RealtimeReadOfAFileWithoutLineEndsStopsAfterTheKeptCharacters) {
    // /dev/zero: a file whose first line never ends.
    const auto line = firstLineWithin("/dev/zero", 10s);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(*line, std::string(fx::maxLineLength, '\0'));
}
#endif

}  // namespace
