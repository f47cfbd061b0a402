// The real programs, run as a user runs them, for what only they show: the exit statuses
// the shell sees and the streams the texts go to. Only where they were built for this
// machine.
#ifdef FX_CHECK_PROGRAM

#include <gtest/gtest.h>

#include <string>

#include "datatools_fixture.h"
#include "support/headless_monitor.h"

namespace {

using fxtest::contains;

TEST(DataToolProgramsTest, CheckExitStatuses) {
    fxtest::HeadlessMonitor h;
    h.writeData(30);
    const auto check = [&](const std::string& options) {
        return fxtest::runInShell("'" FX_CHECK_PROGRAM "' " + options + " .", h.folder);
    };
    EXPECT_EQ(check("").status, 0);
    h.writeRealtime(3, "731.5");
    EXPECT_EQ(check("").status, 3);
    h.folder.remove("GBPUSD.csv");
    const auto stopped = check("");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_TRUE(contains(
        stopped.out, "GBPUSD.csv is missing: the monitor shows \"File opening error\" and ends"))
        << stopped.out;
    EXPECT_EQ(stopped.err, "");
    EXPECT_EQ(check("--stale-after=soon").status, 2);
    const auto wrong = check("--variant 18");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(wrong.out, "");
    EXPECT_TRUE(contains(wrong.err, "--variant takes 17, 17b or 17c")) << wrong.err;
}

TEST(DataToolProgramsTest, ImportExitStatuses) {
    fxtest::TempFolder folder;
    const auto import = [&](const std::string& options) {
        return fxtest::runInShell("'" FX_IMPORT_PROGRAM "' EURUSDm.csv" + options, folder);
    };
    folder.write("EURUSDm.csv", fxtest::mt4Export({"2009.01.05", "2009.01.06"}));
    EXPECT_EQ(import(" --out data").status, 0);
    EXPECT_EQ(folder.read("data/EURUSD.csv"), "01-05-2009,1.3000\r\n01-06-2009,1.3010\r\n");
    folder.write("EURUSDm.csv", "Date,Close\r\n");
    EXPECT_EQ(import(" --out data").status, 1);
    const auto wrong = import("");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(contains(wrong.err, "--out DIR is missing")) << wrong.err;
}

}  // namespace

#endif
