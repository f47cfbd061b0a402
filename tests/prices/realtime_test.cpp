#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "prices/price_files.h"
#include "support/headless_monitor.h"
#include "text/text_file.h"

namespace {

using fxtest::HeadlessMonitor;

constexpr float previousPrice = 7.25f;

class RealtimeTest : public testing::Test {
protected:
    RealtimeTest() {
        h.writeData(3);
        h.buildWindows();
    }
    HeadlessMonitor h;
    float& price(int pair) { return h.monitor().prices.currentPrice[pair]; }
};

TEST_F(RealtimeTest, OnlyFirstLinesStrictlyBetween0And500AreTaken) {
    const std::pair<std::string, float> cases[] = {  // 0: left unchanged
        {"1.98765", 1.98765f}, {"1.98765,1.98790", 1.98765f}, {"499.999", 499.999f},
        {"0.0001", 0.0001f},   {" 152.34", 152.34f},          {"\t152.34", 152.34f},
        {"1,5", 1.0f},         {"01-02-2008,1.5", 1.0f},      {"1.5\r\n2.5\r\n", 1.5f},
        {"0", 0},              {"-1.2", 0},                   {"500", 0},
        {"731.5", 0},          {"abc", 0},                    {"+1.5", 0},
        {"", 0},               {"\r\n1.5", 0},
        // Inside the bounds as read, but 500 and 0 in single precision: were stored.
        {"499.99999999", 0},   {"0.000000000000000000000000000000000000000000000001", 0},
    };
    for (const auto& [content, accepted] : cases) {
        price(0) = previousPrice;
        h.writeRealtime(0, content);
        fx::loadRealtime(h.monitor());
        EXPECT_EQ(price(0), accepted != 0 ? accepted : previousPrice) << '"' << content << '"';
    }
    EXPECT_TRUE(h.layer.messages().empty());
}

TEST_F(RealtimeTest, AMissingFileIsReportedEveryPassAndTheOthersAreStillRead) {
    const int missing = h.pairIndex("AUDJPY");
    for (int k = 0; k < fx::pairCount; ++k) {
        h.writeRealtime(k, std::to_string(k + 1) + ".5");
        price(k) = previousPrice;
    }
    h.folder.remove("AUDJPY_RT.csv");
    // While the box is open, the pairs before the missing one are updated, those after not.
    // Was: the pass built each path after the box had closed, so an event handled while it
    // was open (here a new program folder) could send the rest of the pass to other files.
    std::vector<float> whileOpen;
    const std::string programFolder = h.monitor().state.programDirectory;
    h.layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] {
        for (int k = 0; k < fx::pairCount; ++k) whileOpen.push_back(price(k));
        h.monitor().state.programDirectory = std::string(300, 'd') + "/";
    });
    fx::loadRealtime(h.monitor());
    h.monitor().state.programDirectory = programFolder;
    fx::loadRealtime(h.monitor());
    const std::string text = "Realtime file not found: " + h.folder.pathOf("AUDJPY_RT.csv");
    EXPECT_EQ(h.messageTexts(), (fxtest::Lines{text, text}));
    const fx::MessageRecord& box = h.layer.messages()[0];
    EXPECT_EQ(std::tie(box.owner, box.caption, box.icon),
              std::make_tuple(h.mainWindow(), "Not Found", fx::MessageIcon::Information));
    for (int k = 0; k < fx::pairCount; ++k) {
        const float updated = static_cast<float>(k + 1) + 0.5f;
        EXPECT_EQ(price(k), k == missing ? previousPrice : updated) << k;
        EXPECT_EQ(whileOpen.at(k), k < missing ? updated : previousPrice) << k;
    }
}

TEST_F(RealtimeTest, FilesComeFromTheProgramFolderNotTheWorkingFolder) {
    fxtest::TempFolder programFolder;
    for (int k = 0; k < fx::pairCount; ++k) programFolder.write(h.symbol(k) + "_RT.csv", "9.5");
    h.monitor().state.programDirectory = programFolder.path();
    fx::loadRealtime(h.monitor());
    EXPECT_EQ(price(13), 9.5f);
}

// Was: a first line without an end (a file rewritten without line ends, a device) was
// read to its end on every tick; only its kept characters are read.
TEST(FirstLineTest, IsReadNoFurtherThanTheKeptCharacters) {
    fxtest::TempFolder folder;
    folder.write("GBPUSD_RT.csv", "1.4562" + std::string(1 << 20, '7'));
    EXPECT_EQ(fx::readFirstLine(folder.pathOf("GBPUSD_RT.csv")), "1.4562" + std::string(249, '7'));
#ifndef _WIN32
    EXPECT_EQ(fx::readFirstLine("/dev/zero"), std::string(255, '\0'));  // a line that never ends
#endif
}

}  // namespace
