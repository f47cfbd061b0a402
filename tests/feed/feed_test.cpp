#include "feed/feed.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <filesystem>
#include <sstream>
#include <thread>

#include "feed/feed_options.h"
#include "feed/tool_files.h"
#include "prices/price_files.h"
#include "support/temp_folder.h"
#include "text/numbers.h"

namespace fxtest {
namespace {

namespace fs = std::filesystem;

const fx::Variant& v17b = fx::variant(fx::VariantId::V17b);

class FeedTest : public ::testing::Test {
protected:
    fx::feed::FeedOptions options() const {
        fx::feed::FeedOptions o;
        o.folder = folder.path();
        o.intervalMs = 0;
        o.seed = 1;
        return o;
    }

    int run(const fx::feed::FeedOptions& o) {
        messages.str("");
        return fx::feed::runFeed(
            o, [] { return false; }, messages);
    }

    std::string firstLine(std::string_view symbol) const {
        return fx::readFirstLine(folder.pathOf(std::string(symbol) + "_RT.csv"))
            .value_or("<missing>");
    }

    std::vector<std::string> leftovers() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            if (entry.path().filename().string().find("tmp") != std::string::npos)
                names.push_back(entry.path().filename().string());
        return names;
    }

    // A ticks file for v17b: the header, then the given lines.
    std::string writeTicks(const std::vector<std::string>& lines) const {
        std::string text = "# recorded by hand\r\ntime";
        for (const std::string_view symbol : v17b.pairTable) text += "," + std::string(symbol);
        text += "\r\n";
        for (const std::string& line : lines) text += line + "\r\n";
        folder.write("session.ticks", text);
        return folder.pathOf("session.ticks");
    }

    // A price line whose field for pair k is fields(k).
    static std::string priceLine(const std::string& time,
                                 const std::function<std::string(int)>& fields) {
        std::string line = time;
        for (int k = 0; k < fx::pairCount; ++k) line += "," + fields(k);
        return line;
    }

    TempFolder folder;
    std::ostringstream messages;
};

TEST_F(FeedTest, WalkStartsAtTheLatestHistoryPricesOfAV17bFolder) {
    // Only v17b's fourteen history files: no dollar pair for the franc or the Canadian
    // dollar, which must come through their crosses.
    for (const std::string_view symbol : v17b.pairTable)
        copyFromSample(symbol, folder.path(), false);
    auto o = options();
    o.variant = &v17b;
    o.count = 1;
    ASSERT_EQ(run(o), 0) << messages.str();
    EXPECT_EQ(messages.str(), "");

    for (const std::string_view symbol : v17b.pairTable) {
        SCOPED_TRACE(std::string(symbol));
        const std::string written = firstLine(symbol);
        EXPECT_TRUE(isFullPriceText(symbol, written)) << written;
        bool crlf = false;
        const auto history = crlfLines(folder.pathOf(std::string(symbol) + ".csv"), crlf);
        const double last = fx::parseNumber(history.back().substr(11));
        // Derived prices may differ from the file's own in the last decimals.
        EXPECT_NEAR(fx::parseNumber(written), last, last * 2e-5);
    }
    EXPECT_FALSE(folder.exists("USDCHF_RT.csv"));
    EXPECT_FALSE(folder.exists("USDCAD_RT.csv"));
}

TEST_F(FeedTest, WalkKeepsCrossesConsistentWithTheirLegs) {
    for (const std::string_view symbol : sampleSymbols)
        copyFromSample(symbol, folder.path(), false);
    auto o = options();
    o.count = 20;
    ASSERT_EQ(run(o), 0);
    auto price = [&](std::string_view symbol) { return fx::parseNumber(firstLine(symbol)); };
    EXPECT_NEAR(price("EURJPY"), price("EURUSD") * price("USDJPY"), 0.003);
    EXPECT_NEAR(price("CHFJPY"), price("USDJPY") / price("USDCHF"), 0.003);
    EXPECT_NEAR(price("EURGBP"), price("EURUSD") / price("GBPUSD"), 0.00002);
    EXPECT_NEAR(price("GBPCHF"), price("GBPUSD") * price("USDCHF"), 0.00002);
    bool crlf = false;
    const auto history = crlfLines(folder.pathOf("EURUSD.csv"), crlf);
    // 20 minutes of trading: far less than a day's range away from the start.
    EXPECT_NEAR(price("EURUSD"), fx::parseNumber(history.back().substr(11)), 0.02);
}

TEST_F(FeedTest, TicksWriteTheFieldsAndRemoveFilesForEmptyFields) {
    const int eurusd = 7, gbpusd = 0, audusd = 9;
    const std::string ticks = writeTicks({
        priceLine("03-07-2009 14:19:05", [](int) { return "1.25"; }),
        "!buy",
        "",
        priceLine("03-07-2009 14:19:06",
                  [&](int k) -> std::string {
                      if (k == eurusd) return "";
                      if (k == gbpusd) return "   ";
                      if (k == audusd) return "0.71234 bid";
                      return "1.5";
                  }),
        "# the end",
    });
    auto o = options();
    o.ticksFile = ticks;
    ASSERT_EQ(run(o), 0) << messages.str();

    EXPECT_FALSE(folder.exists("EURUSD_RT.csv"));
    EXPECT_EQ(folder.read("GBPUSD_RT.csv"), "   \r\n");
    EXPECT_EQ(firstLine("AUDUSD"), "0.71234 bid");
    EXPECT_EQ(firstLine("USDJPY"), "1.5");
    EXPECT_FALSE(folder.exists("USDCHF_RT.csv"));  // not in the v17b table
    EXPECT_TRUE(leftovers().empty());
}

TEST_F(FeedTest, RefusesAMalformedTicksFileOrAMissingFolderBeforeWritingAnything) {
    auto o = options();
    o.ticksFile = writeTicks({priceLine("03-07-2009 14:19:05", [](int) { return "1.25"; }),
                              priceLine("13-07-2009 14:19:06", [](int) { return "1.25"; })});
    EXPECT_EQ(run(o), 2);
    EXPECT_NE(messages.str().find("session.ticks:4"), std::string::npos) << messages.str();
    EXPECT_FALSE(folder.exists("EURUSD_RT.csv"));

    o.ticksFile = folder.pathOf("absent.ticks");
    EXPECT_EQ(run(o), 1);
    EXPECT_NE(messages.str().find("absent.ticks"), std::string::npos) << messages.str();

    o.ticksFile.clear();
    o.folder = folder.pathOf("absent");
    EXPECT_EQ(run(o), 1);
    EXPECT_NE(messages.str().find("absent is not a folder"), std::string::npos) << messages.str();
}

// Reads the files over and over while the feed rewrites them as fast as it can; every
// first line seen must be a whole price: never empty, cut short or missing. Regression:
// on Windows, renaming a new file over the old made the reader's open fail now and then.
TEST_F(FeedTest, AtomicWritesNeverShowAPartialLineNorAMissingFile) {
    for (const std::string_view symbol : sampleSymbols) copyFromSample(symbol, folder.path(), true);
    auto o = options();
    o.count = 60;
    std::atomic<bool> finished{false};
    int status = -1;
    std::thread feed([&] {
        std::ostringstream feedMessages;
        status = fx::feed::runFeed(
            o, [] { return false; }, feedMessages);
        finished = true;
    });

    long long reads = 0;
    std::vector<std::string> bad;
    while (!finished) {
        for (const std::string_view symbol : sampleSymbols) {
            const auto line = fx::readFirstLine(folder.pathOf(std::string(symbol) + "_RT.csv"));
            ++reads;
            if (!line || !isFullPriceText(symbol, *line)) bad.push_back(line.value_or("<missing>"));
        }
    }
    feed.join();
    EXPECT_EQ(status, 0);
    EXPECT_GT(reads, 0);
    EXPECT_TRUE(bad.empty()) << bad.size() << " partial reads, first: \"" << bad.front() << "\"";
    EXPECT_TRUE(leftovers().empty());
}

}  // namespace
}  // namespace fxtest
