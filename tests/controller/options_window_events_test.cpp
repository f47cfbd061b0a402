#include "controller/options_window_events.h"

#include <gtest/gtest.h>

#include "support/headless_monitor.h"

namespace {

using fxtest::Lines;
namespace ow = fx::optwin;

class OptionsWindowTest : public testing::Test {
protected:
    OptionsWindowTest() {
        h.writeData(3);
        h.start();
        h.layer.showWindow(h.optionsWindow(), true);
    }
    fxtest::HeadlessMonitor h;
    bool visible() { return h.layer.window(h.optionsWindow())->visible; }
    std::string text(int id) { return h.layer.controlText(h.optionsWindow(), id); }
};

TEST_F(OptionsWindowTest, CheckingABoxAsksForItsSoundUncheckingAsksNothingCancellingEmptiesIt) {
    for (int check : {ow::anchorAlertCheck, ow::biasAlertCheck, ow::groupAlertCheck, ow::slotAlertCheck}) {
        const std::string path = "C:\\sounds\\alert" + std::to_string(check) + ".wav";
        h.layer.queueFileChoice(path);
        h.clickOptions(check);
        EXPECT_EQ(text(check + 1), path);
    }
    h.clickOptions(ow::groupAlertCheck);
    EXPECT_FALSE(h.optionChecked(ow::groupAlertCheck));
    EXPECT_EQ(text(ow::groupSoundBox), "C:\\sounds\\alert6.wav");
    ASSERT_EQ(h.layer.fileDialogs().size(), 4u);
    const fx::FileDialogRequest& request = h.layer.fileDialogs()[0];
    EXPECT_EQ(request.title, "Select A Sound File");
    EXPECT_EQ(request.filterName, "Sound File (*.wav)");
    EXPECT_EQ(request.filterPattern, "*.wav");
    EXPECT_EQ(request.defaultExtension, "wav");
    // Checked again with the dialog cancelled: the box stays checked, its sound is emptied.
    h.layer.queueFileChoice(std::nullopt);
    h.clickOptions(ow::groupAlertCheck);
    EXPECT_TRUE(h.optionChecked(ow::groupAlertCheck));
    EXPECT_EQ(text(ow::groupSoundBox), "");
}

TEST_F(OptionsWindowTest, ExitChecksThePairInSlotAlertBeforeHidingTheCloseBoxDoesNot) {
    const struct {
        bool slotAlertOn;
        int pair, slot;  // list positions, -1 for none
        Lines messages;
    } cases[] = {
        {false, -1, -1, {}},
        {true, -1, 2, {"Please Select a Pair or uncheck the box."}},
        {true, 7, -1, {"Please Select a Target Slot for the pair."}},
        {true, -1, -1, {"Please Select a Pair or uncheck the box.", "Please Select a Target Slot for the pair."}},
        {true, 7, 2, {}},
    };
    for (const auto& c : cases) {
        h.layer.forgetRecords();
        h.layer.showWindow(h.optionsWindow(), true);
        h.layer.setChecked(h.optionsWindow(), ow::slotAlertCheck, c.slotAlertOn);
        h.layer.selectPosition(h.optionsWindow(), ow::slotAlertPairCombo, c.pair);
        h.layer.selectPosition(h.optionsWindow(), ow::slotAlertSlotCombo, c.slot);
        h.clickOptions(ow::exitButton);
        EXPECT_EQ(h.messageTexts(), c.messages);
        for (const fx::MessageRecord& m : h.layer.messages()) {
            EXPECT_EQ(m.owner, h.optionsWindow());
            EXPECT_EQ(m.caption, "Error");
            EXPECT_EQ(m.icon, m.text.starts_with("Please Select a Pair") ? fx::MessageIcon::Exclamation
                                                                        : fx::MessageIcon::Information);
        }
        EXPECT_EQ(visible(), !c.messages.empty()) << c.pair << " " << c.slot;
    }
    // The close box hides the window without checking.
    h.layer.showWindow(h.optionsWindow(), true);
    h.layer.selectPosition(h.optionsWindow(), ow::slotAlertPairCombo, -1);
    h.layer.requestClose(h.optionsWindow());
    EXPECT_FALSE(visible());
    EXPECT_TRUE(h.layer.messages().empty());
}

}  // namespace
