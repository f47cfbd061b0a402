// The sample session replayed as `make replay` and `make report` replay it: its log, its
// slots file, its report and its study are byte for byte the ones kept in testdata/, so
// that a change of how the monitor computes or shows anything is seen.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "replay/replay.h"
#include "support/temp_folder.h"

namespace {

std::string keptFile(const std::string& name) {
    std::ifstream file(FX_TESTDATA_DIR "sample-session/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The report names the data folder and the ticks file as given: the kept one was made
// with "sample/" from the source folder.
std::string withSampleFolderAsKept(std::string text) {
    const std::string given = FX_SAMPLE_DIR;
    for (std::size_t at = text.find(given); at != std::string::npos; at = text.find(given, at))
        text.replace(at, given.size(), "sample/");
    return text;
}

TEST(SampleSessionTest, LogSlotsReportAndStudyAreAsKept) {
    fxtest::TempFolder out;
    fx::ReplayOptions options;
    options.variant = fx::variantByName("17b");
    options.dataFolder = FX_SAMPLE_DIR;
    options.ticksFile = std::string(FX_SAMPLE_DIR) + "ticks.csv";
    for (fx::AlertKind rule : {fx::anchorDisplaced, fx::referenceBiasFlip, fx::pairsGrouped})
        options.alerts.push_back({rule, true, -1, 0});
    options.alerts.push_back({fx::pairInSlot, true, 2, 1});  // GBPJPY in slot 1
    options.slotsFile = out.pathOf("slots.csv");
    options.reportFile = out.pathOf("report.html");
    options.studyFile = out.pathOf("study.csv");
    std::ostringstream log;
    std::ostringstream messages;
    ASSERT_EQ(fx::runReplay(options, log, messages), fx::replayDone) << messages.str();
    EXPECT_EQ(log.str(), keptFile("log.txt"));
    for (const char* name : {"slots.csv", "report.html", "study.csv"})
        EXPECT_TRUE(withSampleFolderAsKept(out.read(name)) == keptFile(name))
            << name << " differs from testdata/sample-session/" << name;
}

}  // namespace
