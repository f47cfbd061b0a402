// The message loop on real messages: the close box and "Quit" end it, a missing
// history file ends it after one pass, and shut-down closes both windows.

#include <gtest/gtest.h>

#include "win32_monitor.h"

namespace {

class ShutdownTest : public ::testing::Test {
protected:
    void SetUp() override { app.writeData(5); }

    // Runs the loop and shut-down as the program does; the exit code. A thread timer
    // wakes a loop that would otherwise wait for ever, and the time taken tells.
    int runToTheEnd() {
        const UINT_PTR watchdog = SetTimer(nullptr, 0, 10000, nullptr);
        const auto started = std::chrono::steady_clock::now();
        fx::runMessageLoop(app.monitor());
        KillTimer(nullptr, watchdog);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
        main = app.layer.windowHandle(app.monitor().mainWindow);
        return fx::shutDownMonitor(app.monitor());
    }

    fxtest::Win32Monitor app;
    HWND main = nullptr;
};

TEST(ShutdownEndings, CloseBoxAndQuitEndTheLoopWithExitCodeZero) {
    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
    } endings[] = {{"close box", WM_SYSCOMMAND, SC_CLOSE},
                   {"Quit", WM_COMMAND, MAKEWPARAM(fx::mainwin::quitItem, 0)}};
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        fxtest::Win32Monitor run;
        run.writeData(5);
        run.start();
        HWND mainWindow = run.mainWindow();
        HWND optionsWindow = run.optionsWindow();
        PostMessageA(mainWindow, ending.message, ending.wParam, 0);
        fx::runMessageLoop(run.monitor());
        // The request only ended the loop; the windows are closed by shut-down.
        EXPECT_TRUE(IsWindow(mainWindow));
        EXPECT_EQ(fx::shutDownMonitor(run.monitor()), 0);
        EXPECT_FALSE(IsWindow(mainWindow));
        EXPECT_FALSE(IsWindow(optionsWindow));
    }
}

TEST_F(ShutdownTest, MissingHistoryFileEndsTheProgramAfterOnePass) {
    app.folder.remove(app.symbol(5) + ".csv");
    app.startOnly();
    EXPECT_EQ(app.monitor().state.keepRunning, 0);
    // Nothing is posted: the one pass runs on what start-up left queued, such as the
    // main window's first paint.
    EXPECT_EQ(runToTheEnd(), 0);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(app.modals.seen.size(), 1u);
}

}  // namespace
