#include <gtest/gtest.h>

#include "ranking/ranking_bench.h"

namespace {

using fxtest::RankingBench;
using Lines = std::vector<std::string>;
namespace ow = fx::optwin;

class OptionsWindow : public testing::Test {
protected:
    OptionsWindow() { layer().showWindow(window(), true); }
    RankingBench bench;
    fx::HeadlessLayer& layer() { return bench.layer(); }
    fx::WindowId window() { return bench.h.optionsWindow(); }
    bool visible() { return layer().window(window())->visible; }
    std::string text(int id) { return layer().controlText(window(), id); }
    Lines messageTexts() {
        Lines texts;
        for (const fx::MessageRecord& m : layer().messages()) texts.push_back(m.text);
        return texts;
    }
};

TEST_F(OptionsWindow, CheckingABoxAsksForItsSoundFile) {
    for (int check :
         {ow::anchorAlertCheck, ow::biasAlertCheck, ow::groupAlertCheck, ow::slotAlertCheck}) {
        const std::string path = "C:\\sounds\\alert" + std::to_string(check) + ".wav";
        layer().queueFileChoice(path);
        ASSERT_TRUE(bench.h.clickOptions(check));
        EXPECT_TRUE(bench.optionChecked(check));
        EXPECT_EQ(text(check + 1), path);
    }
    ASSERT_EQ(layer().fileDialogs().size(), 4u);
    const fx::FileDialogRequest& request = layer().fileDialogs()[0];
    EXPECT_EQ(request.title, "Select A Sound File");
    EXPECT_EQ(request.filterName, "Sound File (*.wav)");
    EXPECT_EQ(request.filterPattern, "*.wav");
    EXPECT_EQ(request.defaultExtension, "wav");
}

TEST_F(OptionsWindow, UncheckingKeepsTheSoundAndAsksNothing) {
    layer().queueFileChoice("C:\\sounds\\ding.wav");
    bench.h.clickOptions(ow::groupAlertCheck);
    bench.h.clickOptions(ow::groupAlertCheck);
    EXPECT_FALSE(bench.optionChecked(ow::groupAlertCheck));
    EXPECT_EQ(text(ow::groupSoundBox), "C:\\sounds\\ding.wav");
    EXPECT_EQ(layer().fileDialogs().size(), 1u);
}

TEST_F(OptionsWindow, CancellingTheDialogEmptiesTheSoundBoxAndKeepsTheCheck) {
    layer().setControlText(window(), ow::biasSoundBox, "C:\\sounds\\old.wav");
    layer().queueFileChoice(std::nullopt);
    bench.h.clickOptions(ow::biasAlertCheck);
    EXPECT_TRUE(bench.optionChecked(ow::biasAlertCheck));
    EXPECT_EQ(text(ow::biasSoundBox), "");
}

TEST_F(OptionsWindow, RankingDuringTheDialogSeesTheBoxCheckedWithItsOldSound) {
    layer().setControlText(window(), ow::groupSoundBox, "old.wav");
    layer().queueFileChoice("new.wav", [this] { bench.rankWithMoves({}); });
    bench.h.clickOptions(ow::groupAlertCheck);
    EXPECT_EQ(bench.newLogLines(), Lines{"Pairs are perfectly grouped."});
    EXPECT_EQ(layer().sounds(), Lines{"old.wav"});
    EXPECT_EQ(text(ow::groupSoundBox), "new.wav");
}

struct ExitCase {
    const char* name;
    bool slotAlertOn;
    int pairPosition;  // -1: none chosen
    int slotPosition;
    Lines messages;
    bool staysOpen;
};

const ExitCase exitCases[] = {
    {"EveryBoxClearHides", false, -1, -1, {}, false},
    {"PairMissing", true, -1, 2, {"Please Select a Pair or uncheck the box."}, true},
    {"SlotMissing", true, 7, -1, {"Please Select a Target Slot for the pair."}, true},
    {"BothMissingInOrder",
     true,
     -1,
     -1,
     {"Please Select a Pair or uncheck the box.", "Please Select a Target Slot for the pair."},
     true},
    {"BothChosenHides", true, 7, 2, {}, false},
};

class ExitButton : public OptionsWindow, public testing::WithParamInterface<ExitCase> {};

TEST_P(ExitButton, ChecksThePairInSlotAlertBeforeHiding) {
    const ExitCase& c = GetParam();
    layer().setChecked(window(), ow::slotAlertCheck, c.slotAlertOn);
    layer().selectPosition(window(), ow::slotAlertPairCombo, c.pairPosition);
    layer().selectPosition(window(), ow::slotAlertSlotCombo, c.slotPosition);
    ASSERT_TRUE(bench.h.clickOptions(ow::exitButton));
    EXPECT_EQ(messageTexts(), c.messages);
    for (const fx::MessageRecord& m : layer().messages()) {
        EXPECT_EQ(m.owner, window());
        EXPECT_EQ(m.caption, "Error");
        EXPECT_EQ(m.buttons, fx::MessageButtons::Ok);
        EXPECT_EQ(m.icon, m.text.starts_with("Please Select a Pair")
                              ? fx::MessageIcon::Exclamation
                              : fx::MessageIcon::Information);
    }
    EXPECT_EQ(visible(), c.staysOpen);
    EXPECT_EQ(bench.optionChecked(ow::slotAlertCheck), c.slotAlertOn);
}

INSTANTIATE_TEST_SUITE_P(OptionsWindow, ExitButton, testing::ValuesIn(exitCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsWindow, CloseBoxHidesWithoutChecking) {
    layer().setChecked(window(), ow::slotAlertCheck, true);
    layer().requestClose(window());
    EXPECT_FALSE(visible());
    EXPECT_TRUE(layer().messages().empty());
    EXPECT_TRUE(bench.optionChecked(ow::slotAlertCheck));
}

}  // namespace
