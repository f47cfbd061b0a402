// How real Win32 messages become WindowEvents: a window of the layer with a handler
// that records what it is given.

#include <gtest/gtest.h>

#include "win32_monitor.h"

namespace {

using fx::EventKind;
using fx::WindowEvent;
using fxtest::pumpMessages;

constexpr fx::WindowSpec testWindow = {
    {40, 40}, {400, 300}, fx::WindowFrame::FixedWithMinimise, true, false};

class WindowEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = layer.openWindow(testWindow, "events", [this](const WindowEvent& event) {
            if (event.kind != EventKind::Other) events.push_back(event);
            if (whileHandling) whileHandling(event);
        });
        ASSERT_NE(window, fx::noWindow);
        handle = layer.windowHandle(window);
    }

    // The events recorded of one kind.
    std::vector<WindowEvent> eventsOf(EventKind kind) const {
        std::vector<WindowEvent> found;
        for (const WindowEvent& event : events)
            if (event.kind == kind) found.push_back(event);
        return found;
    }

    fx::Win32Layer layer;
    fxtest::ModalScript modals{layer};
    fx::WindowId window = fx::noWindow;
    HWND handle = nullptr;
    std::vector<WindowEvent> events;
    std::function<void(const WindowEvent&)> whileHandling;
};

TEST_F(WindowEventsTest, CloseBoxDeliversCloseRequestAndLeavesTheWindowOpen) {
    // The close box goes through the system menu command, as a user's click does.
    PostMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    pumpMessages();
    ASSERT_EQ(eventsOf(EventKind::CloseRequest).size(), 1u);
    EXPECT_TRUE(IsWindow(handle));
    EXPECT_TRUE(IsWindowVisible(handle));
}

TEST_F(WindowEventsTest, LabelClickIsAControlNotifyNotTheMenuCommandOfTheSameNumber) {
    layer.createControl(window, {2, fx::ControlKind::Label, "Reference Day:", {15, 15, 98, 16}});
    SendMessageA(GetDlgItem(handle, 2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(GetDlgItem(handle, 2), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageA(handle, WM_COMMAND, MAKEWPARAM(2, 0), 0);  // "Save Log" from the menu

    ASSERT_EQ(eventsOf(EventKind::ControlNotify).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::ControlNotify)[0].controlId, 2);
    EXPECT_EQ(eventsOf(EventKind::ControlNotify)[0].notifyCode, STN_CLICKED);
    ASSERT_EQ(eventsOf(EventKind::MenuCommand).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::MenuCommand)[0].menuId, 2);
}

TEST_F(WindowEventsTest, CheckBoxTogglesItselfAndNotifiesWithItsOwnId) {
    layer.createControl(window,
                        {1, fx::ControlKind::CheckBox, "Real-Time Mode", {178, 30, 125, 20}});
    fxtest::Win32Monitor::click(GetDlgItem(handle, 1));
    EXPECT_TRUE(layer.isChecked(window, 1));
    ASSERT_EQ(eventsOf(EventKind::ControlNotify).size(), 1u);
    EXPECT_EQ(eventsOf(EventKind::ControlNotify)[0].controlId, 1);
    EXPECT_TRUE(eventsOf(EventKind::MenuCommand).empty());
}

TEST_F(WindowEventsTest, KeyboardSelectionInADropDownListNotifiesSelectionChanged) {
    layer.createControl(
        window,
        {3, fx::ControlKind::DropDownList, "ComboBox1", {15, 30, 108, 109}, fx::StyleVScroll});
    for (const char* entry : {"01-02-2008", "01-03-2008"}) layer.addListEntry(window, 3, entry);
    SetFocus(GetDlgItem(handle, 3));
    SendMessageA(GetDlgItem(handle, 3), WM_KEYDOWN, VK_DOWN, 0);

    EXPECT_EQ(layer.selectedPosition(window, 3), 0);
    ASSERT_FALSE(eventsOf(EventKind::ControlNotify).empty());
    const WindowEvent& last = eventsOf(EventKind::ControlNotify).back();
    EXPECT_EQ(last.controlId, 3);
    EXPECT_EQ(last.notifyCode, fx::selectionChangedCode);
}

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
    EXPECT_EQ(events[1].kind, EventKind::TimerTick);  // delivered while the box was open
    ASSERT_EQ(seenAfterTheBox.size(), 1u);
    EXPECT_EQ(seenAfterTheBox[0].kind, EventKind::MenuCommand);
    EXPECT_EQ(seenAfterTheBox[0].menuId, 7);
}

}  // namespace
