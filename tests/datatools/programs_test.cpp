#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "datatools_fixture.h"
#include "support/headless_monitor.h"

#ifdef FX_CHECK_PROGRAM
#include <sys/wait.h>
#endif

namespace {

using fxtest::contains;

// The real programs, run as a user runs them, for what only they show: the exit
// statuses the shell sees and the streams the texts go to.
class DataToolProgramsTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef FX_CHECK_PROGRAM
        GTEST_SKIP() << "the programs are run only where they were built for this machine";
#endif
    }

    int run(const char* program, const std::string& arguments) {
        const std::string command = std::string("'") + program + "' " + arguments + " >'" +
                                    outputs.pathOf("out.txt") + "' 2>'" +
                                    outputs.pathOf("err.txt") + "'";
        const int status = std::system(command.c_str());
        out = outputs.read("out.txt");
        err = outputs.read("err.txt");
#ifdef FX_CHECK_PROGRAM
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#else
        return status;
#endif
    }
#ifdef FX_CHECK_PROGRAM
    int check(const std::string& arguments) { return run(FX_CHECK_PROGRAM, arguments); }
    int import(const std::string& arguments) { return run(FX_IMPORT_PROGRAM, arguments); }
#else
    int check(const std::string&) { return -1; }
    int import(const std::string&) { return -1; }
#endif

    fxtest::TempFolder outputs;
    fxtest::HeadlessMonitor h{fx::VariantId::V17b};
    std::string out;
    std::string err;
};

TEST_F(DataToolProgramsTest, CheckExitStatuses) {
    h.writeData(30);
    const std::string folder = "'" + h.folder.path() + "'";
    EXPECT_EQ(check(folder), 0) << out << err;
    h.writeRealtime(3, "731.5");
    EXPECT_EQ(check(folder), 3) << out << err;
    h.folder.remove("GBPUSD.csv");
    EXPECT_EQ(check(folder), 1) << out << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(check("--variant 18 " + folder), 2);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(contains(err, "--variant takes 17, 17b or 17c")) << err;
}

TEST_F(DataToolProgramsTest, ImportExitStatuses) {
    const std::string exportPath = h.folder.pathOf("EURUSDm.csv");
    const std::string outPath = outputs.pathOf("data");
    const std::string exportFile = "'" + exportPath + "'";
    const std::string outFolder = " --out '" + outPath + "'";
    h.folder.write("EURUSDm.csv", fxtest::mt4Export({"2009.01.05", "2009.01.06"}));
    EXPECT_EQ(import(exportFile + outFolder), 0) << out << err;
    EXPECT_EQ(outputs.read("data/EURUSD.csv"), "01-05-2009,1.3000\r\n01-06-2009,1.3010\r\n");
    h.folder.write("EURUSDm.csv", "Date,Close\r\n");
    EXPECT_EQ(import(exportFile + outFolder), 1) << out << err;
    EXPECT_EQ(import(exportFile), 2);
    EXPECT_TRUE(contains(err, "--out DIR is missing")) << err;
}

}  // namespace
