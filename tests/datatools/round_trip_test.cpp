#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string_view>

#include "datatools_fixture.h"
#include "monitor/main_window.h"
#include "replay/replay.h"
#include "support/headless_monitor.h"

namespace {

using fxtest::contains;

// Fourteen exports in the three formats, each missing a different weekday, imported
// with --align into a monitor's folder.
class RoundTripTest : public ::testing::Test {
protected:
    static constexpr int exportedDays = 320;

    RoundTripTest() {
        for (int k = 0; k < fx::pairCount; ++k) {
            std::vector<std::string> dates = fxtest::weekdays(exportedDays);
            dates.erase(dates.begin() + 20 + k);
            const std::string symbol = h.symbol(k);
            const std::string close = std::to_string(fxtest::typicalPrice(symbol));
            std::string name = symbol + "m.csv";
            std::string content = fxtest::mt4Export(dates);
            if (k % 3 == 1) {
                name = symbol + ".i_Daily.csv";
                content = "<DATE>\t<TIME>\t<OPEN>\t<HIGH>\t<LOW>\t<CLOSE>\t<TICKVOL>\r\n";
                for (const std::string& date : dates)
                    content.append(date)
                        .append("\t00:00:00\t1\t1\t1\t")
                        .append(close)
                        .append("\t5\r\n");
            } else if (k % 3 == 2) {
                name = "FX_" + symbol + ".csv";
                content = "Date, Open, High, Low, Close\n";
                for (std::string date : dates) {
                    std::replace(date.begin(), date.end(), '.', '-');
                    content.append(date).append(", 1, 1, 1, ").append(close).append("\n");
                }
            }
            exports.write(name, content);
            arguments.push_back(exports.pathOf(name));
            // The terminal writes the real-time files; the import does not.
            h.setPrice(k, fxtest::typicalPrice(symbol));
        }
        arguments.insert(arguments.end(), {"--align", "--out", h.folder.path()});
    }

    fxtest::TempFolder exports;
    std::vector<std::string> arguments;
    fxtest::HeadlessMonitor h{fx::VariantId::V17b};
};

TEST_F(RoundTripTest, TheCheckPassesAndTheMonitorOffersEveryCommonDay) {
    const auto imported = fxtest::runImportTool(arguments);
    ASSERT_EQ(imported.status, 0) << imported.out;
    const int commonDays = exportedDays - fx::pairCount;
    const auto checked = fxtest::runCheckTool({h.folder.path()});
    EXPECT_EQ(checked.status, 0) << checked.out;
    EXPECT_TRUE(contains(checked.out, "Reference days: " + std::to_string(commonDays)))
        << checked.out;

    h.start();
    EXPECT_EQ(h.monitor().state.keepRunning, 1);
    EXPECT_EQ(h.monitor().prices.historyRowCount, commonDays);
    const auto* list = h.layer.control(h.mainWindow(), fx::mainwin::referenceDayCombo);
    ASSERT_EQ(list->entries.size(), static_cast<std::size_t>(commonDays));
    EXPECT_EQ(list->entries.front(), "01-05-2009");
    for (int k = 0; k < fx::pairCount; ++k)
        for (int r = 0; r < commonDays; ++r)
            ASSERT_EQ(h.monitor().prices.priceHistory[k][r].date, list->entries[r]) << h.symbol(k);
}

}  // namespace
