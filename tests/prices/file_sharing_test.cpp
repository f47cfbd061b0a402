// Files that the trading terminal holds open for writing must still be readable, and
// the monitor's own open files must not stop the terminal from rewriting them. Only
// Windows has share modes, so these tests exist only there.
#ifdef _WIN32

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "prices/price_files.h"
#include "support/headless_monitor.h"
#include "text/text_file.h"

namespace {

// Opens a file the way a terminal that keeps rewriting it does.
class WriterHandle {
public:
    explicit WriterHandle(const std::string& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~WriterHandle() {
        if (isOpen()) CloseHandle(handle_);
    }
    WriterHandle(const WriterHandle&) = delete;
    WriterHandle& operator=(const WriterHandle&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool rewrite(const std::string& bytes) {
        DWORD written = 0;
        return SetFilePointer(handle_, 0, nullptr, FILE_BEGIN) == 0 &&
               WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                         nullptr) &&
               written == bytes.size() && SetEndOfFile(handle_);
    }

private:
    HANDLE handle_;
};

TEST(FileSharingTest, BothLoadersReadFilesHeldOpenForWriting) {
    fxtest::HeadlessMonitor h;
    h.writeData(10);
    h.buildWindows();
    WriterHandle history(h.folder.pathOf("EURUSD.csv"));
    WriterHandle realtime(h.folder.pathOf("EURUSD_RT.csv"));
    ASSERT_TRUE(history.isOpen() && realtime.isOpen());
    fx::loadHistory(h.monitor());
    EXPECT_EQ(h.monitor().prices.historyRowCount, 10);
    ASSERT_TRUE(realtime.rewrite("1.4321,1.4323\r\n"));
    fx::loadRealtime(h.monitor());
    EXPECT_TRUE(h.layer.messages().empty());
    EXPECT_EQ(h.monitor().prices.currentPrice[7], 1.4321f);
}

}  // namespace

#endif
