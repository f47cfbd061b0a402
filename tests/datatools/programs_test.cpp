// The real programs, run as a user runs them, for what only they show: the exit statuses
// the shell sees and the streams the texts go to. Only where they were built for this
// machine.
#ifdef FX_CHECK_PROGRAM

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "datatools_fixture.h"
#include "support/headless_monitor.h"

namespace {

using fxtest::contains;

class DataToolProgramsTest : public ::testing::Test {
protected:
    int run(const char* program, const std::string& arguments) {
        const std::string command = std::string("'") + program + "' " + arguments + " >'" +
                                    h.folder.pathOf("out.txt") + "' 2>'" +
                                    h.folder.pathOf("err.txt") + "'";
        const int status = std::system(command.c_str());
        out = h.folder.read("out.txt");
        err = h.folder.read("err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fxtest::HeadlessMonitor h{fx::VariantId::V17b};
    std::string out;
    std::string err;
};

TEST_F(DataToolProgramsTest, CheckExitStatuses) {
    h.writeData(30);
    const std::string folder = "'" + h.folder.path() + "'";
    EXPECT_EQ(run(FX_CHECK_PROGRAM, folder), 0) << out << err;
    h.writeRealtime(3, "731.5");
    EXPECT_EQ(run(FX_CHECK_PROGRAM, folder), 3) << out << err;
    h.folder.remove("GBPUSD.csv");
    EXPECT_EQ(run(FX_CHECK_PROGRAM, folder), 1) << out << err;
    EXPECT_TRUE(contains(out,
                         "GBPUSD.csv is missing: the monitor shows \"File opening error\" "
                         "and ends"))
        << out;
    EXPECT_EQ(err, "");
    EXPECT_EQ(run(FX_CHECK_PROGRAM, "--stale-after=soon " + folder), 2);
    EXPECT_EQ(run(FX_CHECK_PROGRAM, "--variant 18 " + folder), 2);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(contains(err, "--variant takes 17, 17b or 17c")) << err;
}

TEST_F(DataToolProgramsTest, ImportExitStatuses) {
    const std::string exportFile = "'" + h.folder.pathOf("EURUSDm.csv") + "'";
    const std::string outFolder = " --out '" + h.folder.pathOf("data") + "'";
    h.folder.write("EURUSDm.csv", fxtest::mt4Export({"2009.01.05", "2009.01.06"}));
    EXPECT_EQ(run(FX_IMPORT_PROGRAM, exportFile + outFolder), 0) << out << err;
    EXPECT_EQ(h.folder.read("data/EURUSD.csv"), "01-05-2009,1.3000\r\n01-06-2009,1.3010\r\n");
    h.folder.write("EURUSDm.csv", "Date,Close\r\n");
    EXPECT_EQ(run(FX_IMPORT_PROGRAM, exportFile + outFolder), 1) << out << err;
    EXPECT_EQ(run(FX_IMPORT_PROGRAM, exportFile), 2);
    EXPECT_TRUE(contains(err, "--out DIR is missing")) << err;
}

}  // namespace

#endif
