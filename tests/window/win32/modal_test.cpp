// Message boxes and the open-file dialog as Win32 shows them: texts, captions, icons
// and buttons read from the boxes themselves, their placement, the answers, and the
// ticks that keep arriving while they are open.

#include <gtest/gtest.h>

#include <algorithm>

#include "monitor/options_window.h"
#include "win32_monitor.h"

namespace {

using fxtest::ModalSeen;
using fxtest::pressButton;
using fxtest::systemIcon;

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override { app.writeData(5); }

    fx::Rect workArea() {
        RECT area;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        return {area.left, area.top, area.right - area.left, area.bottom - area.top};
    }

    fxtest::Win32Monitor app;
};

struct BoxCase {
    const char* name;
    std::function<void(fxtest::Win32Monitor&)> cause;
    const char* text;
    const char* caption;
    LPCSTR icon;
    std::set<int> buttons;
};

TEST_F(ModalTest, MessageBoxesShowTheirTextsIconsAndButtons) {
    const BoxCase cases[] = {
        {"Clear Log",
         [](auto& a) { a.chooseMenu(fx::mainwin::clearLogItem); },
         "Are you sure you want to clear your log?",
         "Clear Log",
         IDI_QUESTION,
         {IDYES, IDNO}},
        {"Save Log",
         [](auto& a) { a.chooseMenu(fx::mainwin::saveLogItem); },
         "Log file creation complete.",
         "Complete",
         IDI_INFORMATION,
         {IDOK}},
        {"Exit without a pair",
         [](auto& a) {
             a.chooseMenu(fx::mainwin::soundAlertsItem);
             a.modals.then([](HWND dialog) { pressButton(dialog, IDCANCEL); });
             fxtest::Win32Monitor::click(a.optionsControl(fx::optwin::slotAlertCheck));
             SendMessageA(a.optionsControl(fx::optwin::slotAlertSlotCombo), CB_SETCURSEL, 0, 0);
             fxtest::Win32Monitor::click(a.optionsControl(fx::optwin::exitButton));
         },
         "Please Select a Pair or uncheck the box.",
         "Error",
         IDI_EXCLAMATION,
         {IDOK}},
    };
    app.start();
    for (const BoxCase& box : cases) {
        SCOPED_TRACE(box.name);
        app.modals.seen.clear();
        box.cause(app);
        ASSERT_FALSE(app.modals.seen.empty());
        const ModalSeen& seen = app.modals.seen.back();
        EXPECT_EQ(seen.text, box.text);
        EXPECT_EQ(seen.caption, box.caption);
        EXPECT_EQ(seen.icon, systemIcon(box.icon));
        EXPECT_EQ(seen.buttons, box.buttons);
    }
}

// Centred over its owner, then moved back inside the work area where it would stick out.
TEST_F(ModalTest, MessageBoxIsCentredOverItsOwnerInsideTheWorkArea) {
    app.start();
    const fx::Rect area = workArea();
    for (const POINT ownerAt : {POINT{100, 80}, POINT{area.right() - 200, area.bottom() - 100}}) {
        SetWindowPos(app.mainWindow(), nullptr, ownerAt.x, ownerAt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        app.modals.seen.clear();
        app.chooseMenu(fx::mainwin::saveLogItem);
        ASSERT_EQ(app.modals.seen.size(), 1u);
        const fx::Rect box = app.modals.seen[0].place;
        const fx::Rect owner = fxtest::screenRect(app.mainWindow());
        EXPECT_EQ(box.x, std::min(owner.x + (owner.width - box.width) / 2, area.right() - box.width));
        EXPECT_EQ(box.y, std::min(owner.y + (owner.height - box.height) / 2, area.bottom() - box.height));
    }
}

TEST_F(ModalTest, FileDialogAsksForOneWaveFileAndGivesItsPath) {
    app.start();
    app.chooseMenu(fx::mainwin::soundAlertsItem);
    ASSERT_TRUE(IsWindowVisible(app.optionsWindow()));
    const std::string chosen = app.folder.pathOf("ding.wav");
    app.folder.write("ding.wav", "");
    std::string filterShown;
    app.modals.then([&](HWND dialog) {
        char filter[64] = "";
        SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
        filterShown = filter;
        HWND name =
            GetDlgItem(dialog, cmb13) ? GetDlgItem(dialog, cmb13) : GetDlgItem(dialog, edt1);
        SetWindowTextA(name, chosen.c_str());
        pressButton(dialog, IDOK);
    });
    fxtest::Win32Monitor::click(app.optionsControl(fx::optwin::groupAlertCheck));

    ASSERT_EQ(app.modals.seen.size(), 1u);
    const ModalSeen& dialog = app.modals.seen[0];
    EXPECT_EQ(dialog.caption, "Select A Sound File");
    EXPECT_EQ(filterShown, "Sound File (*.wav)");
    EXPECT_FALSE(dialog.buttons.contains(chx1));  // the read-only box is hidden
    EXPECT_EQ(dialog.owner, nullptr);
    // Centred on the screen, with no owner.
    EXPECT_EQ(dialog.place.x, (GetSystemMetrics(SM_CXSCREEN) - dialog.place.width) / 2);
    EXPECT_EQ(fxtest::windowText(app.optionsControl(fx::optwin::groupSoundBox)), chosen);

    // The grouped-pairs alert now plays that file: every pair stands at its reference
    // price, so the slots hold the two groups in order.
    app.chooseReferenceDay(0);
    EXPECT_EQ(app.layer.lastSound(), chosen);
}

}  // namespace
