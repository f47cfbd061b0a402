// The archive a trader downloads, unpacked into an empty folder (FX_DIST_DIR): it holds
// one folder, fxmonitor-VERSION-win32; each monitor there, put beside the sample data as
// the guide says, starts on it and ends with exit code 0 from its close box; the check
// finds the sample clean for every variant.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

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

// A program started in a folder; ended by force if a test leaves it running.
struct Process {
    PROCESS_INFORMATION info{};

    bool start(std::string commandLine, const std::string& folder) {
        STARTUPINFOA startup{sizeof startup};
        return CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              folder.c_str(), &startup, &info);
    }
    DWORD exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (WaitForSingleObject(info.hProcess, 20000) == WAIT_OBJECT_0)
            GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
    ~Process() {
        if (!info.hProcess) return;
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
};

// The process's visible top-level window with a menu bar: its main window.
HWND mainWindowOf(DWORD processId) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window) && GetMenu(window)) return window;
    }
    return nullptr;
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

    Process monitor;
    ASSERT_TRUE(monitor.start(sample + "\\" + program, sample));
    HWND main = nullptr;
    for (int wait = 0; wait < 300 && !(main = mainWindowOf(monitor.info.dwProcessId)); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
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
        Process check;
        ASSERT_TRUE(
            check.start(dist + "\\fxmonitor-check.exe --variant " + variant + " sample", dist));
        EXPECT_EQ(check.exitCode(), 0u) << variant;
    }
}

}  // namespace
