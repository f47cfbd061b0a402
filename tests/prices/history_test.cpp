#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "prices/price_files.h"
#include "support/headless_monitor.h"

namespace {

using fxtest::HeadlessMonitor;

TEST(HistoryRowTest, DateInCharacters1To10SeparatorSkippedPriceFromCharacter12) {
    const struct {
        std::string line, date;
        float price;
    } cases[] = {
        {"01-02-2008,1.5", "01-02-2008", 1.5f},
        {"01-02-2008;1.5", "01-02-2008", 1.5f},
        {"01-02-2008,+1.5", "01-02-2008", 0.0f},
        {"01-02-2008, -0.25", "01-02-2008", -0.25f},
        {"01-02-2008,1.98765,1.98790,17", "01-02-2008", 1.98765f},
        {"1.2345", "1.2345", 0.0f},
        {"01-02-2008,", "01-02-2008", 0.0f},
        {"01-02-200812.5", "01-02-2008", 2.5f},
        {"1-2-2008,1.5", "1-2-2008,1", 5.0f},
    };
    for (const auto& c : cases) {
        const fx::HistoryRow row = fx::historyRowOf(c.line);
        EXPECT_EQ(row.date, c.date) << c.line;
        EXPECT_EQ(row.price, c.price) << c.line;
    }
}

TEST(HistoryFileTest, AtMost499LinesOfAnyLineEndAndRow499StaysEmpty) {
    fxtest::TempFolder folder;
    fx::HistoryTable table;
    EXPECT_FALSE(fx::readHistoryFile(folder.pathOf("missing.csv"), table).has_value());
    std::string content;
    const char* ends[] = {"\r\n", "\n", "\r"};
    for (int line = 1; line <= 600; ++line) content += "01-02-2008," + std::to_string(line) + ends[line % 3];
    folder.write("h.csv", content);
    ASSERT_EQ(fx::readHistoryFile(folder.pathOf("h.csv"), table), 499);
    EXPECT_EQ(table[0].price, 1.0f);
    EXPECT_EQ(table[498].price, 499.0f);
    EXPECT_EQ(table[499].price, 0.0f);
    EXPECT_EQ(table[499].date, "");
}

TEST(HistoryFileTest, CompleteRowsEndAtTheFirstZeroPriceOfAnyPair) {
    std::array<fx::HistoryTable, fx::pairCount> tables{};
    EXPECT_EQ(fx::completeHistoryRows(tables), 0);
    for (auto& table : tables)
        for (auto& row : table) row.price = 1.5f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 499);  // row 499 never counts
    tables[4][10].price = -0.25f;  // a negative price is a price
    tables[13][250].price = 0.0f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 250);
    tables[0][99].price = 0.0f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 99);
}

TEST(LoadHistoryTest, EveryMissingFileIsReportedAndTheRestLoadedWithUncheckedStartUpPrices) {
    HeadlessMonitor h;
    h.writeData(20);
    h.folder.remove("GBPJPY.csv");  // entry 2
    h.folder.remove("AUDUSD.csv");  // entry 9
    h.folder.remove("GBPUSD_RT.csv");
    // Start-up takes the real-time files unchecked from the working folder, none from the
    // program's folder.
    const std::pair<const char*, float> startUp[] = {
        {"731.5", 731.5f}, {"-1.2", -1.2f}, {"abc", 0.0f}, {"01-02-2008,1.5", 1.0f}};
    for (int k = 3; k < 7; ++k) h.writeRealtime(k, startUp[k - 3].first);
    fxtest::TempFolder programFolder;
    for (int k = 0; k < fx::pairCount; ++k) programFolder.write(h.symbol(k) + "_RT.csv", "9.5");
    h.buildWindows();
    h.monitor().state.programDirectory = programFolder.path();
    bool keepRunningWhileTheFirstIsOpen = false;
    h.layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] {
        keepRunningWhileTheFirstIsOpen = h.monitor().state.keepRunning != 0;
    });
    fx::loadHistory(h.monitor());
    EXPECT_EQ(h.messageTexts(), (fxtest::Lines{"GBPJPY.csv history file could not be opened.",
                                               "AUDUSD.csv history file could not be opened."}));
    const fx::MessageRecord& box = h.layer.messages()[0];
    EXPECT_EQ(std::tie(box.owner, box.caption, box.icon, box.buttons),
              std::make_tuple(h.mainWindow(), "File opening error", fx::MessageIcon::Stop,
                              fx::MessageButtons::Ok));
    EXPECT_TRUE(keepRunningWhileTheFirstIsOpen);
    EXPECT_EQ(h.monitor().state.keepRunning, 0);
    const fx::PriceData& prices = h.monitor().prices;
    EXPECT_EQ(prices.priceHistory[7][19].date, fxtest::historyDate(19));
    EXPECT_EQ(prices.historyRowCount, 0);
    EXPECT_EQ(prices.currentPrice[0], 0.0f);  // a missing start-up real-time file is silent
    EXPECT_EQ(prices.currentPrice[1], fxtest::typicalPrice("EURGBP"));
    for (int k = 3; k < 7; ++k) EXPECT_EQ(prices.currentPrice[k], startUp[k - 3].second) << k;
}

}  // namespace
