#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loader_fixture.h"
#include "prices/price_files.h"

namespace {

using fxtest::LoaderTest;

constexpr float previousPrice = 7.25f;

struct FirstLineCase {
    std::string content;
    bool accepted;
    float price;  // when accepted
};

TEST_F(LoaderTest, OnlyFirstLinesStrictlyBetween0And500AreTaken) {
    const FirstLineCase cases[] = {
        {"1.98765", true, 1.98765f},
        {"1.98765,1.98790", true, 1.98765f},
        {"499.999", true, 499.999f},
        {"0.0001", true, 0.0001f},
        {" 152.34", true, 152.34f},
        {"\t152.34", true, 152.34f},
        {"1,5", true, 1.0f},
        // A leading date is read as its first number.
        {"01-02-2008,1.5", true, 1.0f},
        {"1.5\r\n2.5\r\n", true, 1.5f},
        {"0", false, 0},
        {"-1.2", false, 0},
        {"500", false, 0},
        {"731.5", false, 0},
        {"abc", false, 0},
        {"+1.5", false, 0},
        {"", false, 0},
        {"\r\n1.5", false, 0},
        // Regression: these lie inside the bounds as read, but their single-precision
        // values (500 and 0) do not, and were stored.
        {"499.99999999", false, 0},
        {"0.000000000000000000000000000000000000000000000001", false, 0},
    };
    h.writeData(3);
    for (const auto& c : cases) {
        currentPrice(0) = previousPrice;
        h.writeRealtime(0, c.content);
        fx::loadRealtime(monitor);
        EXPECT_EQ(currentPrice(0), c.accepted ? c.price : previousPrice) << '"' << c.content << '"';
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(LoaderTest, RealtimeFilesAreReadFromTheProgramFolder) {
    h.writeData(3);
    fxtest::TempFolder workingFolder;
    for (int k = 0; k < fx::pairCount; ++k) workingFolder.write(h.symbol(k) + "_RT.csv", "9.5");
    fx::Monitor elsewhere(h.variant, h.layer, h.clock, h.folder.pathOf("fxmonitor.exe"),
                          workingFolder.path());
    fx::loadRealtime(elsewhere);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(elsewhere.prices.currentPrice[13], fxtest::typicalPrice("EURCHF"));
}

TEST_F(LoaderTest, AMissingRealtimeFileIsReportedAndTheOthersAreStillRead) {
    h.writeData(3);
    const int missing = h.pairIndex("AUDJPY");
    for (int k = 0; k < fx::pairCount; ++k) {
        currentPrice(k) = previousPrice;
        h.writeRealtime(k, std::to_string(k + 1) + ".5");
    }
    h.folder.remove("AUDJPY_RT.csv");

    // While the message is open the pairs before the missing one are updated, those after not yet.
    std::vector<float> pricesWhileOpen;
    h.layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] {
        for (int k = 0; k < fx::pairCount; ++k) pricesWhileOpen.push_back(currentPrice(k));
    });
    fx::loadRealtime(monitor);

    ASSERT_EQ(messages().size(), 1u);
    const fx::MessageRecord& message = messages()[0];
    EXPECT_EQ(message.owner, monitor.mainWindow);
    EXPECT_EQ(message.text, "Realtime file not found: " + h.folder.pathOf("AUDJPY_RT.csv"));
    EXPECT_EQ(message.caption, "Not Found");
    EXPECT_EQ(message.icon, fx::MessageIcon::Information);
    EXPECT_EQ(message.buttons, fx::MessageButtons::Ok);
    for (int k = 0; k < fx::pairCount; ++k) {
        const float updated = static_cast<float>(k + 1) + 0.5f;
        EXPECT_EQ(currentPrice(k), k == missing ? previousPrice : updated) << h.symbol(k);
        EXPECT_EQ(pricesWhileOpen.at(k), k < missing ? updated : previousPrice) << h.symbol(k);
    }

    // Every pass reports it again, once per missing file, in PairTable order.
    h.folder.remove("GBPUSD_RT.csv");
    h.layer.forgetRecords();
    fx::loadRealtime(monitor);
    ASSERT_EQ(messages().size(), 2u);
    EXPECT_EQ(messages()[0].text, "Realtime file not found: " + h.folder.pathOf("GBPUSD_RT.csv"));
    EXPECT_EQ(messages()[1].text, "Realtime file not found: " + h.folder.pathOf("AUDJPY_RT.csv"));
}

TEST_F(LoaderTest, AnEmptyRealtimeFileIsSkippedSilentlyEveryTime) {
    h.writeData(3);
    h.writeRealtime(4, "");
    currentPrice(4) = previousPrice;
    for (int pass = 0; pass < 3; ++pass) fx::loadRealtime(monitor);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(currentPrice(4), previousPrice);
}

// A pass used to build each path from the monitor's state after the previous message box
// had closed, so events handled while the box was open could send it to other files.
TEST_F(LoaderTest, APassKeepsItsPathsWhileItsMessageIsOpen) {
    h.writeData(3);
    for (int k = 0; k < fx::pairCount; ++k) h.writeRealtime(k, "3.75");
    h.folder.remove("NZDJPY_RT.csv");  // entry 3
    h.layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] {
        monitor.state.programDirectory = std::string(300, 'd') + "/";
        monitor.state.PairTable[5] = "XXXYYY";
        // A nested pass on the changed state reports its own missing files.
        fx::loadRealtime(monitor);
    });
    fx::loadRealtime(monitor);
    EXPECT_EQ(messages().size(), 1u + fx::pairCount);
    for (int k = 4; k < fx::pairCount; ++k) EXPECT_EQ(currentPrice(k), 3.75f) << h.symbol(k);
}

}  // namespace
