// The archive a trader downloads, unpacked into an empty folder (FX_DIST_DIR): it holds
// one folder, fxmonitor-VERSION-win32; each monitor there, put beside the sample data as
// the guide says, starts on it and ends with exit code 0 from its close box; the check
// finds the sample clean for every variant.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "window/win32/running_program.h"

namespace {

// The one folder the archive unpacked into; empty when there is not exactly one.
std::string distFolder() {
    const char* unpacked = std::getenv("FX_DIST_DIR");
    WIN32_FIND_DATAA found;
    HANDLE search = unpacked ? FindFirstFileA((std::string(unpacked) + "\\*").c_str(), &found)
                             : INVALID_HANDLE_VALUE;
    if (search == INVALID_HANDLE_VALUE) return "";
    std::string folder;
    int entries = 0;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        ++entries;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name.starts_with("fxmonitor-") &&
            name.ends_with("-win32"))
            folder = std::string(unpacked) + "\\" + name;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return entries == 1 ? folder : "";
}

class DistMonitorTest : public ::testing::TestWithParam<const char*> {};

TEST_P(DistMonitorTest, StartsOnTheSampleBesideItAndEndsWithItsCloseBox) {
    const std::string dist = distFolder();
    ASSERT_FALSE(dist.empty()) << "the archive holds one folder, fxmonitor-VERSION-win32";
    const std::string program = std::string("fxmonitor-") + GetParam() + ".exe";
    const std::string sample = dist + "\\sample";
    ASSERT_TRUE(
        CopyFileA((dist + "\\" + program).c_str(), (sample + "\\" + program).c_str(), FALSE))
        << program << " is not in the archive";

    fxtest::RunningProgram monitor(sample + "\\" + program, sample);
    HWND main = monitor.window([](HWND w) { return GetMenu(w) != nullptr; });  // the main window
    ASSERT_NE(main, nullptr) << program << " opened no main window";
    char title[256] = "";
    GetWindowTextA(main, title, sizeof title);
    EXPECT_NE(std::string(title).find(std::string("v") + GetParam() + " "), std::string::npos)
        << title;
    // The history was found: the "Reference Day:" list offers its days.
    EXPECT_GT(SendMessageA(GetDlgItem(main, 3), CB_GETCOUNT, 0, 0), 0);

    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(monitor.exitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(EachVariant, DistMonitorTest, ::testing::Values("17", "17b", "17c"));

TEST(DistCheckTest, FindsTheSampleCleanForEveryVariant) {
    const std::string dist = distFolder();
    ASSERT_FALSE(dist.empty()) << "the archive holds one folder, fxmonitor-VERSION-win32";
    for (const char* variant : {"17", "17b", "17c"}) {
        fxtest::RunningProgram check(
            dist + "\\fxmonitor-check.exe --variant " + variant + " sample", dist);
        ASSERT_TRUE(check.started());
        EXPECT_EQ(check.exitCode(), 0u) << variant;
    }
}

}  // namespace
