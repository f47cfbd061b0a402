#include "replay/ticks_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "monitor/pairs.h"
#include "support/temp_folder.h"

namespace {

using fx::TicksReader;
using Item = TicksReader::Item;

const fx::Variant& v17b = fx::variant(fx::VariantId::V17b);

std::string headerLine() {
    std::string text = "time";
    for (std::string_view symbol : v17b.pairTable) {
        text += ',';
        text += symbol;
    }
    return text;
}

// A price line whose field for pair k is "1.k" (k = 0..13), in PairTable order.
std::string priceLine(std::string_view time = "01-05-2009 10:00:00") {
    std::string text(time);
    for (int k = 0; k < fx::pairCount; ++k) text += ",1." + std::to_string(k);
    return text;
}

class TicksFileTest : public ::testing::Test {
protected:
    fx::TicksCheck check(const std::string& content) {
        folder.write("ticks.csv", content);
        return fx::checkTicksFile(folder.pathOf("ticks.csv"), v17b);
    }

    // Every item of the file, reading on past nothing.
    std::vector<Item> items(const std::string& content) {
        folder.write("ticks.csv", content);
        reader.open(folder.pathOf("ticks.csv"));
        std::vector<Item> result;
        for (Item item = reader.next();; item = reader.next()) {
            result.push_back(item);
            if (item == Item::End || item == Item::Error) return result;
        }
    }

    fxtest::TempFolder folder;
    TicksReader reader{v17b};
};

TEST_F(TicksFileTest, MalformedFilesNameTheFileTheLineAndTheFault) {
    const std::string header = headerLine() + "\n";
    const std::string swapped = "time,EURGBP,GBPUSD" + headerLine().substr(18) + "\n";
    struct Case {
        std::string content;
        std::string where;  // ":LINE: "
        std::string what;
    };
    const std::vector<Case> cases = {
        {"# only a comment\n\n", ":2: ", "no header line"},
        {header + "# no ticks\n", ":2: ", "no price line"},
        {"Time" + headerLine().substr(4) + "\n", ":1: ", "must start with \"time\""},
        {"time,USDCHF" + headerLine().substr(11) + "\n", ":1: ", "not a pair of variant 17b"},
        {"time,EURGBP" + headerLine().substr(11) + "\n", ":1: ", "EURGBP twice"},
        {headerLine() + ",GBPUSD\n", ":1: ", "it has 16 fields"},
        {"\n# header next\n" + swapped + priceLine("1-05-2009 10:00:00") + "\n",
         ":4: ", "MM-DD-YYYY HH:MM:SS"},
        {header + priceLine("01-05-2009T10:00:00") + "\n", ":2: ", "MM-DD-YYYY HH:MM:SS"},
        {header + priceLine("13-05-2009 10:00:00") + "\n", ":2: ", "out of range"},
        {header + priceLine("01-05-2009 10:00:60") + "\n", ":2: ", "out of range"},
        {header + priceLine() + ",1.5\n", ":2: ", "it has 15 fields"},
        {header + priceLine() + "\n !buy\n", ":3: ", "MM-DD-YYYY"},
        {header + priceLine() + "\r\n\r\n#\r\n!bye\r\n", ":5: ", "unknown action \"!bye\""},
        {header + priceLine() + "\r" + std::string(70000, '#') + "\r", ":3: ", "longer than"},
    };
    for (const Case& c : cases) {
        const fx::TicksCheck result = check(c.content);
        EXPECT_FALSE(result.ok) << c.content;
        EXPECT_EQ(result.error.find(folder.pathOf("ticks.csv") + c.where), 0u) << result.error;
        EXPECT_NE(result.error.find(c.what), std::string::npos) << result.error;
    }
}

TEST_F(TicksFileTest, WellFormedEdgesAreAccepted) {
    const std::string header = headerLine() + "\n";
    const std::vector<std::string> contents = {
        header + priceLine("12-31-2009 23:59:59"),  // no line end at all
        header + priceLine("01-01-2010 00:00:00") + "\n" + priceLine("01-01-2009 00:00:00"),
        "#\r\n" + headerLine() + "\r\n" + priceLine() + "\r\n",
        headerLine() + "\r" + priceLine() + "\r",
        "# time need not increase; fields may be empty or anything\n" + header +
            "01-05-2009 10:00:00,,,,,,,,,,,,,,\n" +
            "01-05-2009 10:00:00, ,abc,-1,+1,1,1,1,1,1,1,1,1,1,1\n",
    };
    for (const std::string& content : contents)
        EXPECT_TRUE(check(content).ok) << check(content).error;
    const fx::TicksCheck result = check(contents[1]);
    EXPECT_EQ(result.firstPriceTime, (fx::LocalTime{2010, 1, 1, 0, 0, 0}));
    EXPECT_EQ(result.priceLines, 2);
    EXPECT_FALSE(fx::checkTicksFile(folder.pathOf("none.csv"), v17b).ok);
}

TEST_F(TicksFileTest, FieldsFollowTheHeaderOrder) {
    // The header names the pairs backwards, so column c holds pair 13 - c.
    std::string header = "time";
    for (int k = fx::pairCount - 1; k >= 0; --k) {
        header += ',';
        header += v17b.pairTable[k];
    }
    const auto read = items(header + "\n01-05-2009 10:00:00,a,b,c,d,e,f,g,h,i,j,k,l,,n\n");
    ASSERT_EQ(read, (std::vector<Item>{Item::Price, Item::End}));
    EXPECT_EQ(reader.price().fields[13], "a");
    EXPECT_EQ(reader.price().fields[0], "n");
    EXPECT_EQ(reader.price().fields[1], "");
    EXPECT_EQ(reader.columns()[0], 13);
}

TEST_F(TicksFileTest, ActionsAreReadWithAnyBlanksBetweenTheirWords) {
    using fx::ActionKind;
    using fx::ReferenceChoice;
    struct Case {
        std::string line;
        ActionKind kind;
        ReferenceChoice reference = {};
        int minutes = 0;
        fx::AlertSetting alert = {};
    };
    const int eurusd = fx::pairIndexOf(v17b, "EURUSD");
    const std::vector<Case> cases = {
        {"!buy", ActionKind::Buy},
        {"!sell \t ", ActionKind::Sell},
        {"!close", ActionKind::Close},
        {"!clear", ActionKind::Clear},
        {"!reference\t12", ActionKind::Reference, {12, ""}},
        {"!reference  03-07-2009", ActionKind::Reference, {std::nullopt, "03-07-2009"}},
        {"!interval 60", ActionKind::Interval, {}, 60},
        {"!interval 1", ActionKind::Interval, {}, 1},
        {"!alert anchor on", ActionKind::Alert, {}, 0, {fx::anchorDisplaced, true, -1, 0}},
        {"!alert bias off", ActionKind::Alert, {}, 0, {fx::referenceBiasFlip, false, -1, 0}},
        {"!alert grouped on", ActionKind::Alert, {}, 0, {fx::pairsGrouped, true, -1, 0}},
        {"!alert slot off", ActionKind::Alert, {}, 0, {fx::pairInSlot, false, -1, 0}},
        {"!alert\tslot EURUSD  14", ActionKind::Alert, {}, 0, {fx::pairInSlot, true, eurusd, 14}},
    };
    for (const Case& c : cases) {
        const auto read = items(headerLine() + "\n" + c.line + "\n");
        ASSERT_EQ(read.front(), Item::Action) << c.line << ": " << reader.error();
        const fx::TicksAction& action = reader.action();
        EXPECT_EQ(action.kind, c.kind) << c.line;
        if (c.kind == ActionKind::Reference) {
            EXPECT_EQ(action.reference, c.reference) << c.line;
        }
        if (c.kind == ActionKind::Interval) {
            EXPECT_EQ(action.minutes, c.minutes) << c.line;
        }
        if (c.kind == ActionKind::Alert) {
            EXPECT_EQ(action.alert, c.alert) << c.line;
        }
    }
}

TEST_F(TicksFileTest, MalformedActionsAreErrors) {
    const std::vector<std::string> lines = {"!",
                                            "! buy",
                                            "!buy now",
                                            "!reference",
                                            "!reference -1",
                                            "!reference 99999999999",
                                            "!reference 3-7-2009",
                                            "!interval 2",
                                            "!interval 0",
                                            "!interval 15 minutes",
                                            "!alert",
                                            "!alert anchor yes",
                                            "!alert slot on",
                                            "!alert slot USDCHF 3",
                                            "!alert slot EURUSD 15",
                                            "!alert slot eurusd 3",
                                            "!alerts anchor on"};
    for (const std::string& line : lines) {
        const auto read = items(headerLine() + "\n" + line + "\n");
        EXPECT_EQ(read.back(), Item::Error) << line;
        EXPECT_NE(reader.error().find(":2: "), std::string::npos) << reader.error();
    }
}

// Lines are read in 64 KiB pieces; a CR LF split between two pieces is one line end,
// and a line across two pieces is read whole.
TEST_F(TicksFileTest, LinesAcrossBufferFillsKeepTheirNumbersAndFields) {
    const std::string header = headerLine() + "\r\n";
    std::string content = header + "#" + std::string(65536 - header.size() - 2, 'x') + "\r\n";
    ASSERT_EQ(content.size(), 65536u + 1);  // the LF is the first byte of the second fill
    const int lines = 3000;  // about 200 KiB more, in lines of every length modulo the fill
    for (int i = 0; i < lines; ++i) {
        content += priceLine() + std::string(static_cast<std::size_t>(i % 37), ' ');
        content += (i % 3 == 0) ? "\r" : (i % 3 == 1) ? "\n" : "\r\n";
    }
    folder.write("ticks.csv", content + "!oops\r");
    reader.open(folder.pathOf("ticks.csv"));
    int prices = 0;
    Item item = reader.next();
    for (; item == Item::Price; item = reader.next()) {
        ++prices;
        for (int k = 0; k < fx::pairCount - 1; ++k)
            ASSERT_EQ(reader.price().fields[k], "1." + std::to_string(k)) << reader.lineNumber();
        ASSERT_EQ(reader.price().fields[13].substr(0, 4), "1.13") << reader.lineNumber();
    }
    EXPECT_EQ(prices, lines);
    EXPECT_EQ(item, Item::Error);
    EXPECT_NE(reader.error().find(":" + std::to_string(lines + 3) + ": unknown action"),
              std::string::npos)
        << reader.error();
}

}  // namespace
