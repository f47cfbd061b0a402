// How real Win32 messages become WindowEvents, recorded by a window's handler.

#include <gtest/gtest.h>

#include "win32_monitor.h"

namespace {

using fx::EventKind;
using fx::WindowEvent;

class WindowEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = layer.openWindow(
            {{40, 40}, {400, 300}, fx::WindowFrame::FixedWithMinimise, true, false}, "events",
            [this](const WindowEvent& event) {
                if (event.kind != EventKind::Other) events.push_back(event);
                if (whileHandling) whileHandling(event);
            });
        handle = layer.windowHandle(window);
    }

    fx::Win32Layer layer;
    fxtest::ModalScript modals{layer};
    fx::WindowId window = fx::noWindow;
    HWND handle = nullptr;
    std::vector<WindowEvent> events;
    std::function<void(const WindowEvent&)> whileHandling;
};

TEST_F(WindowEventsTest, LabelClickIsAControlNotifyNotTheMenuCommandOfTheSameNumber) {
    layer.createControl(window, {2, fx::ControlKind::Label, "Reference Day:", {15, 15, 98, 16}});
    SendMessageA(GetDlgItem(handle, 2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(GetDlgItem(handle, 2), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageA(handle, WM_COMMAND, MAKEWPARAM(2, 0), 0);  // "Save Log" from the menu

    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].kind, EventKind::ControlNotify);
    EXPECT_EQ(events[0].controlId, 2);
    EXPECT_EQ(events[0].notifyCode, STN_CLICKED);
    EXPECT_EQ(events[1].kind, EventKind::MenuCommand);
    EXPECT_EQ(events[1].menuId, 2);
}

// A message box runs its own message loop: the timer keeps ticking while it is open.
TEST_F(WindowEventsTest, TickWhileAMessageBoxIsOpenIsDeliveredAndTheOuterEventIsKept) {
    std::vector<WindowEvent> seenAfterTheBox;
    whileHandling = [&](const WindowEvent& event) {
        if (event.kind != EventKind::MenuCommand) return;
        layer.showMessage(window, "text", "caption", fx::MessageIcon::Information,
                          fx::MessageButtons::Ok);
        seenAfterTheBox.push_back(event);
    };
    modals.then([&](HWND box) {
        PostMessageA(handle, WM_TIMER, 1, 0);
        fxtest::pressButton(box, IDOK);
    });
    SendMessageA(handle, WM_COMMAND, MAKEWPARAM(7, 0), 0);

    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].kind, EventKind::TimerTick);
    ASSERT_EQ(seenAfterTheBox.size(), 1u);
    EXPECT_EQ(seenAfterTheBox[0].kind, EventKind::MenuCommand);
    EXPECT_EQ(seenAfterTheBox[0].menuId, 7);
}

}  // namespace
