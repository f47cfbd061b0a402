// Files that the trading terminal holds open for writing must still be readable, and
// the monitor's own open files must not stop the terminal from rewriting them. Only
// Windows has share modes, so these tests exist only there.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "prices/price_files.h"
#include "support/headless_monitor.h"

namespace {

// A file opened the way a terminal that keeps rewriting it opens it; closed at the end.
using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;
Handle openAsWriter(const std::string& path) {
    return {CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
            &CloseHandle};
}

TEST(FileSharingTest, BothLoadersReadFilesHeldOpenForWriting) {
    fxtest::HeadlessMonitor h;
    h.writeData(10);
    h.buildWindows();
    const Handle history = openAsWriter(h.folder.pathOf("EURUSD.csv"));
    const Handle realtime = openAsWriter(h.folder.pathOf("EURUSD_RT.csv"));
    ASSERT_NE(history.get(), INVALID_HANDLE_VALUE);
    ASSERT_NE(realtime.get(), INVALID_HANDLE_VALUE);
    fx::loadHistory(h.monitor());
    EXPECT_EQ(h.monitor().prices.historyRowCount, 10);
    const std::string line = "1.4321,1.4323\r\n";
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(realtime.get(), line.data(), static_cast<DWORD>(line.size()), &written,
                          nullptr));
    fx::loadRealtime(h.monitor());
    EXPECT_TRUE(h.layer.messages().empty());
    EXPECT_EQ(h.monitor().prices.currentPrice[7], 1.4321f);
}

}  // namespace

#endif
