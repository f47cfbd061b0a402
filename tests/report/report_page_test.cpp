// Names the user gives (the data folder, the ticks file, the note) are shown as text: markup in them
// is escaped and cannot close the page's elements or run a script.

#include "report/report_page.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportPageTest, NamesTheUserGaveAreEscaped) {
    fx::SessionRecord record;
    record.finish();
    fx::ReportSummary summary;
    summary.variant = "17b";
    summary.dataFolder = "<script>alert(1)</script>/";
    summary.ticksFile = "a&b \"c\" <d>.csv";
    summary.study.note = "<i>made up</i>";
    fx::AlertStudy study(fx::defaultStudyHorizons, {});
    study.finish({});
    const std::string page = fx::reportPage(record, summary, study);
    EXPECT_EQ(page.find("alert(1)</script>"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;/"), std::string::npos);
    EXPECT_EQ(page.find("<d>"), std::string::npos);
    EXPECT_NE(page.find("a&amp;b &quot;c&quot; &lt;d&gt;.csv"), std::string::npos);
    EXPECT_NE(page.find("&lt;i&gt;made up&lt;/i&gt;"), std::string::npos);
}

}  // namespace
