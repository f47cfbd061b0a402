#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loader_fixture.h"
#include "prices/price_files.h"
#include "support/temp_folder.h"

namespace {

using fxtest::LoaderTest;

struct LineCase {
    std::string line;
    std::string date;
    float price;
};

TEST(ReadHistoryFileTest, FixedPositionsOfDateSeparatorAndPrice) {
    const LineCase cases[] = {
        {"01-02-2008,1.5", "01-02-2008", 1.5f},
        {"01-02-2008;1.5", "01-02-2008", 1.5f},
        {"01-02-2008,+1.5", "01-02-2008", 0.0f},
        {"01-02-2008,1.5E2", "01-02-2008", 1.5f},
        {"01-02-2008, -0.25", "01-02-2008", -0.25f},
        {"01-02-2008,1.98765,1.98790,17", "01-02-2008", 1.98765f},
        {"1.2345", "1.2345", 0.0f},
        {"01-02-2008,", "01-02-2008", 0.0f},
        {"01-02-2008", "01-02-2008", 0.0f},
        {"", "", 0.0f},
        {"Date,Close", "Date,Close", 0.0f},
        // Character 11 is skipped whatever it is, and the price starts at character 12.
        {"01-02-200812.5", "01-02-2008", 2.5f},
        {"1-2-2008,1.5", "1-2-2008,1", 5.0f},
        {"01-02-2008,1.5," + std::string(1 << 20, 'x'), "01-02-2008", 1.5f},
    };
    fxtest::TempFolder folder;
    for (const auto& c : cases) {
        folder.write("EURUSD.csv", c.line + "\r\n01-03-2008,2.25\r\n");
        fx::HistoryTable table;
        const auto rows = fx::readHistoryFile(folder.pathOf("EURUSD.csv"), table);
        ASSERT_TRUE(rows.has_value());
        EXPECT_EQ(*rows, 2) << c.line.substr(0, 40);
        EXPECT_EQ(table[0].date, c.date) << c.line.substr(0, 40);
        EXPECT_EQ(table[0].price, c.price) << c.line.substr(0, 40);
        EXPECT_EQ(table[1].date, "01-03-2008");
        EXPECT_EQ(table[1].price, 2.25f);
    }
}

TEST(ReadHistoryFileTest, EveryLineEndReadsTheSame) {
    const std::vector<std::string> lines = {"01-02-2008,1.25", "01-03-2008,1.5", "01-04-2008,1.75"};
    for (const char* terminator : {"\r\n", "\n", "\r"}) {
        std::string content;
        for (const auto& line : lines) content += line + terminator;
        fxtest::TempFolder folder;
        folder.write("h.csv", content);
        fx::HistoryTable table;
        ASSERT_EQ(fx::readHistoryFile(folder.pathOf("h.csv"), table), 3);
        EXPECT_EQ(table[0].price, 1.25f);
        EXPECT_EQ(table[2].date, "01-04-2008");
        EXPECT_EQ(table[2].price, 1.75f);
        EXPECT_EQ(table[3].date, "");
    }
}

TEST(ReadHistoryFileTest, AtMost499LinesAndRow499StaysEmpty) {
    std::string content;
    for (int line = 1; line <= 600; ++line) content += "01-02-2008," + std::to_string(line) + "\n";
    fxtest::TempFolder folder;
    folder.write("h.csv", content);
    fx::HistoryTable table;
    ASSERT_EQ(fx::readHistoryFile(folder.pathOf("h.csv"), table), 499);
    EXPECT_EQ(table[0].price, 1.0f);
    EXPECT_EQ(table[498].price, 499.0f);
    EXPECT_EQ(table[499].price, 0.0f);
    EXPECT_EQ(table[499].date, "");
}

TEST(ReadHistoryFileTest, MissingAndEmptyFiles) {
    fxtest::TempFolder folder;
    fx::HistoryTable table;
    EXPECT_FALSE(fx::readHistoryFile(folder.pathOf("missing.csv"), table).has_value());
    folder.write("empty.csv", "");
    EXPECT_EQ(fx::readHistoryFile(folder.pathOf("empty.csv"), table), 0);
}

TEST(CompleteHistoryRowsTest, CountsLeadingRowsThatEveryPairHas) {
    std::array<fx::HistoryTable, fx::pairCount> tables{};
    EXPECT_EQ(fx::completeHistoryRows(tables), 0);

    for (auto& table : tables)
        for (int r = 0; r < 300; ++r) table[r].price = 1.5f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 300);

    // A negative price is a price; only zero ends the usable history.
    tables[4][10].price = -0.25f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 300);

    tables[13][250].price = 0.0f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 250);

    tables[0][99].price = 0.0f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 99);

    // Even with row 499 filled in every table the count stops at 499.
    for (auto& table : tables)
        for (auto& row : table) row.price = 2.0f;
    EXPECT_EQ(fx::completeHistoryRows(tables), 499);
}

TEST_F(LoaderTest, WellFormedFilesGiveEveryRow) {
    h.writeData(300);
    fx::loadHistory(monitor);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(monitor.state.keepRunning, 1);
    EXPECT_EQ(monitor.prices.historyRowCount, 300);
    EXPECT_EQ(table(7)[0].date, fxtest::historyDate(0));
    EXPECT_EQ(table(7)[299].date, fxtest::historyDate(299));
    for (int k = 0; k < fx::pairCount; ++k) {
        EXPECT_EQ(table(k)[299].price, fxtest::typicalPrice(h.symbol(k))) << h.symbol(k);
        EXPECT_EQ(currentPrice(k), fxtest::typicalPrice(h.symbol(k))) << h.symbol(k);
    }
}

TEST_F(LoaderTest, AHeaderLineLeavesNoCompleteRow) {
    h.writeData(300);
    h.writeHistoryLines(3, "Date,Close\r\n01-02-2008,1.2345\r\n");
    fx::loadHistory(monitor);
    EXPECT_EQ(monitor.prices.historyRowCount, 0);
    EXPECT_EQ(table(3)[0].date, "Date,Close");
    EXPECT_EQ(table(3)[1].price, 1.2345f);
}

TEST_F(LoaderTest, SixHundredLinesGive499Rows) {
    h.writeData(600);
    fx::loadHistory(monitor);
    EXPECT_EQ(monitor.prices.historyRowCount, 499);
    for (int k = 0; k < fx::pairCount; ++k) {
        EXPECT_NE(table(k)[498].price, 0.0f);
        EXPECT_EQ(table(k)[499].price, 0.0f);
        EXPECT_EQ(table(k)[499].date, "");
    }
}

TEST_F(LoaderTest, ABlankLineAtLine100EndsTheUsableHistoryButLaterRowsAreLoaded) {
    h.writeData(300);
    std::string content;
    for (int r = 0; r < 300; ++r) {
        content += r == 99 ? "\r\n" : fxtest::historyDate(r) + ",1.2345\r\n";
    }
    h.writeHistoryLines(9, content);
    fx::loadHistory(monitor);
    EXPECT_EQ(monitor.prices.historyRowCount, 99);
    EXPECT_EQ(table(9)[99].price, 0.0f);
    EXPECT_EQ(table(9)[99].date, "");
    EXPECT_EQ(table(9)[100].price, 1.2345f);
    EXPECT_EQ(table(9)[100].date, fxtest::historyDate(100));
}

TEST_F(LoaderTest, OneShorterFileLimitsEveryPair) {
    h.writeData(300);
    std::string content;
    for (int r = 0; r < 250; ++r) content += fxtest::historyDate(r) + ",1.2345\n";
    h.writeHistoryLines(12, content);
    fx::loadHistory(monitor);
    EXPECT_EQ(monitor.prices.historyRowCount, 250);
    EXPECT_NE(table(7)[299].price, 0.0f);
}

TEST_F(LoaderTest, AMissingHistoryFileIsReportedAndEndsTheProgramAfterAllAreRead) {
    h.writeData(20);
    h.folder.remove("EURGBP.csv");
    fx::loadHistory(monitor);

    ASSERT_EQ(messages().size(), 1u);
    const fx::MessageRecord& message = messages()[0];
    EXPECT_EQ(message.owner, monitor.mainWindow);
    EXPECT_EQ(message.text, "EURGBP.csv history file could not be opened.");
    EXPECT_EQ(message.caption, "File opening error");
    EXPECT_EQ(message.icon, fx::MessageIcon::Stop);
    EXPECT_EQ(message.buttons, fx::MessageButtons::Ok);
    EXPECT_EQ(monitor.state.keepRunning, 0);

    // The other files, the start-up prices and the row count were still done.
    EXPECT_EQ(table(1)[0].date, "");
    for (int k : {0, 2, 7, 13}) EXPECT_EQ(table(k)[19].date, fxtest::historyDate(19));
    for (int k = 0; k < fx::pairCount; ++k) EXPECT_NE(currentPrice(k), 0.0f) << h.symbol(k);
    EXPECT_EQ(monitor.prices.historyRowCount, 0);
}

TEST_F(LoaderTest, EveryMissingHistoryFileHasItsMessageInPairTableOrder) {
    h.writeData(20);
    h.folder.remove("AUDUSD.csv");  // entry 9
    h.folder.remove("GBPJPY.csv");  // entry 2
    h.folder.remove("EURCHF.csv");  // entry 13
    std::vector<bool> keepRunningWhileOpen;
    for (int i = 0; i < 3; ++i) {
        h.layer.queueMessageAnswer(fx::MessageAnswer::Ok, [&] {
            keepRunningWhileOpen.push_back(monitor.state.keepRunning != 0);
        });
    }
    fx::loadHistory(monitor);
    ASSERT_EQ(messages().size(), 3u);
    EXPECT_EQ(messages()[0].text, "GBPJPY.csv history file could not be opened.");
    EXPECT_EQ(messages()[1].text, "AUDUSD.csv history file could not be opened.");
    EXPECT_EQ(messages()[2].text, "EURCHF.csv history file could not be opened.");
    // keepRunning is cleared once each message is closed.
    EXPECT_EQ(keepRunningWhileOpen, (std::vector<bool>{true, false, false}));
    EXPECT_EQ(monitor.state.keepRunning, 0);
}

struct StartupPriceCase {
    const char* firstLine;
    float price;
};

TEST_F(LoaderTest, StartupRealtimePricesAreTakenUnchecked) {
    // The start-up read has no range check: whatever the first line starts with is taken.
    const StartupPriceCase cases[] = {
        {"731.5", 731.5f},    {"-1.2", -1.2f}, {"500", 500.0f},
        {"abc", 0.0f},        {"", 0.0f},      {"1.98765,1.98790", 1.98765f},
        {" 152.34", 152.34f}, {"+1.5", 0.0f},  {"01-02-2008,1.5", 1.0f},
        {"0.0001", 0.0001f},
    };
    static_assert(std::size(cases) <= fx::pairCount);
    h.writeData(5);
    for (std::size_t k = 0; k < std::size(cases); ++k) h.writeRealtime(k, cases[k].firstLine);
    fx::loadHistory(monitor);
    EXPECT_TRUE(messages().empty());
    for (std::size_t k = 0; k < std::size(cases); ++k) {
        EXPECT_EQ(currentPrice(k), cases[k].price) << '"' << cases[k].firstLine << '"';
    }
}

TEST_F(LoaderTest, AMissingStartupRealtimeFileIsSilentAndLeavesZero) {
    h.writeData(5);
    h.folder.remove("GBPUSD_RT.csv");
    fx::loadHistory(monitor);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(monitor.state.keepRunning, 1);
    EXPECT_EQ(currentPrice(0), 0.0f);
    EXPECT_EQ(currentPrice(1), fxtest::typicalPrice("EURGBP"));
}

TEST_F(LoaderTest, StartupReadsTheWorkingFolderNotTheProgramFolder) {
    h.writeData(5);
    fxtest::TempFolder programFolder;
    for (int k = 0; k < fx::pairCount; ++k) {
        programFolder.write(h.symbol(k) + ".csv", "01-02-2008,9.5\r\n");
        programFolder.write(h.symbol(k) + "_RT.csv", "9.5");
    }
    fx::Monitor elsewhere(h.variant, h.layer, h.clock, programFolder.pathOf("fxmonitor.exe"),
                          h.folder.path());
    fx::loadHistory(elsewhere);
    EXPECT_EQ(elsewhere.prices.historyRowCount, 5);
    EXPECT_EQ(elsewhere.prices.priceHistory[0][0].price, fxtest::typicalPrice("GBPUSD"));
    EXPECT_EQ(elsewhere.prices.currentPrice[0], fxtest::typicalPrice("GBPUSD"));
}

}  // namespace
