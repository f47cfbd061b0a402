// Message boxes and the open-file dialog as Win32 shows them, read from the boxes
// themselves, and answered.

#include <gtest/gtest.h>

#include "monitor/options_window.h"
#include "win32_monitor.h"

namespace {

using fxtest::pressButton;

class ModalTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.writeData(5);
        app.start();
    }
    fxtest::Win32Monitor app;
};

TEST_F(ModalTest, MessageBoxesShowTheirTextsIconsAndButtons) {
    struct BoxCase {
        int menuId;
        std::set<int> buttons;
        LPCSTR icon;
        const char* caption;
        const char* text;
    };
    using namespace fx::mainwin;
    // clang-format off
    const BoxCase cases[] = {
        {clearLogItem, {IDYES, IDNO}, IDI_QUESTION, "Clear Log", "Are you sure you want to clear your log?"},
        {saveLogItem, {IDOK}, IDI_INFORMATION, "Complete", "Log file creation complete."},
        {soundAlertsItem, {IDOK}, IDI_EXCLAMATION, "Error", "Please Select a Pair or uncheck the box."},
    };
    // clang-format on
    for (const BoxCase& box : cases) {
        SCOPED_TRACE(box.caption);
        app.chooseMenu(box.menuId);
        if (box.menuId == soundAlertsItem) {  // "Exit" with the pair-in-slot alert but no pair
            app.modals.then([](HWND dialog) { pressButton(dialog, IDCANCEL); });
            fxtest::Win32Monitor::click(app.optionsControl(fx::optwin::slotAlertCheck));
            SendMessageA(app.optionsControl(fx::optwin::slotAlertSlotCombo), CB_SETCURSEL, 0, 0);
            fxtest::Win32Monitor::click(app.optionsControl(fx::optwin::exitButton));
        }
        ASSERT_FALSE(app.modals.seen.empty());
        const fxtest::ModalSeen& seen = app.modals.seen.back();
        EXPECT_EQ(seen.text, box.text);
        EXPECT_EQ(seen.caption, box.caption);
        EXPECT_EQ(seen.icon, LoadIconA(nullptr, box.icon));
        EXPECT_EQ(seen.buttons, box.buttons);
    }
}

// Centred over its owner, then moved back inside the work area where it would stick out.
TEST_F(ModalTest, MessageBoxIsCentredOverItsOwnerInsideTheWorkArea) {
    RECT area;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    for (const POINT ownerAt : {POINT{100, 80}, POINT{area.right - 200, area.bottom - 100}}) {
        SetWindowPos(app.mainWindow(), nullptr, ownerAt.x, ownerAt.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
        app.modals.seen.clear();
        app.chooseMenu(fx::mainwin::saveLogItem);
        ASSERT_EQ(app.modals.seen.size(), 1u);
        const fx::Rect box = app.modals.seen[0].place;
        const fx::Rect owner = fxtest::screenRect(app.mainWindow());
        EXPECT_EQ(box.x,
                  std::min<LONG>(owner.x + (owner.width - box.width) / 2, area.right - box.width));
        EXPECT_EQ(box.y, std::min<LONG>(owner.y + (owner.height - box.height) / 2,
                                        area.bottom - box.height));
    }
}

TEST_F(ModalTest, FileDialogAsksForOneWaveFileAndGivesItsPath) {
    app.folder.write("ding.wav", "");
    std::string filterShown;
    app.modals.then([&](HWND dialog) {
        char filter[64] = "";
        SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
        filterShown = filter;
        SetWindowTextA(fxtest::fileNameField(dialog), app.folder.pathOf("ding.wav").c_str());
        pressButton(dialog, IDOK);
    });
    app.chooseMenu(fx::mainwin::soundAlertsItem);
    fxtest::Win32Monitor::click(app.optionsControl(fx::optwin::groupAlertCheck));

    ASSERT_EQ(app.modals.seen.size(), 1u);
    const fxtest::ModalSeen& dialog = app.modals.seen[0];
    EXPECT_EQ(dialog.caption, "Select A Sound File");
    EXPECT_EQ(filterShown, "Sound File (*.wav)");
    EXPECT_FALSE(dialog.buttons.contains(chx1));  // the read-only box is hidden
    EXPECT_EQ(dialog.owner, nullptr);
    EXPECT_EQ(dialog.place.x, (GetSystemMetrics(SM_CXSCREEN) - dialog.place.width) / 2);
    EXPECT_EQ(fxtest::windowText(app.optionsControl(fx::optwin::groupSoundBox)),
              app.folder.pathOf("ding.wav"));
}

}  // namespace
