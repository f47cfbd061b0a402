#include "datatools/export_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "datatools/export_rows.h"

namespace {

TEST(DetectLayoutTest, LayoutsThatCannotBeToldAreRefusedWithAReason) {
    const std::pair<std::string, std::string> cases[] = {
        {"Date,Open,High,Low", "no close column"},
        {"Open,High,Low,Close", "no date column"},
        {"Date,Open,High,Low,Adj Close", "no close column"},
        {"2009.01.05,1.1,1.2", "which one is the close"},
    };
    for (const auto& [line, reason] : cases) {
        const auto detection = fx::datatools::detectLayout(line);
        EXPECT_FALSE(detection.layout) << line;
        EXPECT_NE(detection.error.find(reason), std::string::npos) << detection.error;
    }
}

TEST(CloseTextTest, OnlyPlainPricesAboveZeroPass) {
    using fx::datatools::closeText;
    EXPECT_EQ(closeText("1.3676", ','), "1.3676");
    EXPECT_EQ(closeText("1,3676", ';'), "1.3676");  // a decimal comma
    // Each of these the monitor would read as something else, or as 0.
    for (const char* bad : {"", "0.0000", "-1.5", "+1.5", "1.5E2", "1.2.3", "1,234.5", "1e-50",
                            "0.0000000000000000000000000000000000000000000001"})
        EXPECT_FALSE(closeText(bad, ';')) << bad;
}

}  // namespace
