#include "monitor/main_window.h"

#include <gtest/gtest.h>

#include <set>

#include "monitor/options_window.h"
#include "support/headless_monitor.h"
#include "window/headless/headless_layer.h"

namespace {

using fx::ControlKind;
namespace mw = fx::mainwin;

void expectSaneTable(std::span<const fx::ControlSpec> controls, const fx::WindowSpec& window) {
    const fx::Size client = fx::HeadlessLayer::clientSizeOf(window);
    std::set<int> ids;
    for (const fx::ControlSpec& c : controls) {
        EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << c.id;
        EXPECT_GE(c.place.x, 0) << c.id;
        EXPECT_GE(c.place.y, 0) << c.id;
        EXPECT_LE(c.place.right(), client.width) << c.id;
        // A drop-down list's height is its dropped-down height and may reach further.
        if (c.kind != ControlKind::DropDownList) {
            EXPECT_LE(c.place.bottom(), client.height) << c.id;
        }
    }
}

TEST(MainWindowTable, IdsAreUniqueAndEveryControlFitsTheClientArea) {
    expectSaneTable(fx::mainWindowControls(), fx::mainWindowSpec);
    expectSaneTable(fx::optionsWindowControls(), fx::optionsWindowSpec);
}

TEST(MainWindowTable, SlotRowsFollowEachOtherEverySlotStep) {
    const fx::ProgramState state = fx::initialProgramState(fx::variant(fx::VariantId::V17b), "");
    for (int s = 0; s < 14; ++s) {
        for (int id : {mw::slotPairBox(s), mw::slotPriceBox(s)}) {
            const fx::ControlSpec* found = nullptr;
            for (const auto& c : fx::mainWindowControls())
                if (c.id == id) found = &c;
            ASSERT_NE(found, nullptr) << id;
            EXPECT_EQ(found->place.y, state.slotTop + state.slotStep * s);
            EXPECT_EQ(found->place.width, 70);
            EXPECT_EQ(found->place.height, 20);
        }
    }
}

TEST(MainWindowTable, EventLogColumnsFitInsideTheList) {
    int total = 0;
    for (const auto& column : fx::eventLogColumns()) total += column.width;
    EXPECT_EQ(total, 400);
}

TEST(MainWindowTable, ExactlyOneLogTimerIsCheckedAndPairsShowVantrelOriginal) {
    int checkedTimers = 0;
    for (const auto& menu : fx::mainWindowMenus())
        for (const auto& item : menu.items) {
            if (item.id >= mw::sixtyMinutesItem && item.id <= mw::oneMinuteItem && item.checked) {
                ++checkedTimers;
                EXPECT_STREQ(item.text, "15 minutes");
            }
            if (item.id == mw::vantrelOriginalItem) {
                EXPECT_TRUE(item.greyed && item.checked);
            }
            if (item.id == mw::ibfxPairsItem) {
                EXPECT_TRUE(item.greyed && !item.checked);
            }
        }
    EXPECT_EQ(checkedTimers, 1);
}

class BuiltMainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        h.writeData(5);
        h.start();
        w = h.layer.window(h.mainWindow());
        ASSERT_NE(w, nullptr);
    }
    fxtest::HeadlessMonitor h;
    fx::HeadlessWindow* w = nullptr;
};

TEST_F(BuiltMainWindow, ShowsTheInitialTextsAndStates) {
    EXPECT_EQ(w->title, "Vantrel IA Monitor/Simulator (Original) v17b by Dorsan");
    EXPECT_TRUE(w->visible);
    for (int s = 0; s < 14; ++s) {
        EXPECT_EQ(h.slotPair(s), "Pair" + std::to_string(s + 1));
        EXPECT_EQ(h.slotValue(s), "Price" + std::to_string(s + 1));
    }
    EXPECT_EQ(h.mainText(mw::pipsBox), "0");
    for (int id :
         {mw::realTimeModeCheck, mw::buyButton, mw::sellButton, mw::closeButton, mw::clearButton})
        EXPECT_FALSE(h.mainEnabled(id)) << id;
    EXPECT_FALSE(h.layer.isChecked(h.mainWindow(), mw::realTimeModeCheck));
    EXPECT_EQ(h.layer.selectedPosition(h.mainWindow(), mw::referenceDayCombo), -1);
}

TEST_F(BuiltMainWindow, OnlyTheReferenceDayLabelKeepsTheDefaultFont) {
    for (const fx::HeadlessControl& c : w->controls) {
        const auto expected = c.layout.id == mw::referenceDayLabel ? fx::FontChoice::PlatformDefault
                                                                   : fx::FontChoice::ControlFont;
        EXPECT_EQ(c.font, expected) << c.layout.id;
    }
}

TEST_F(BuiltMainWindow, DrawsTheSeparatorAndTheSimulatorFrame) {
    const fx::Colour background = fx::rgb(204, 204, 153);
    // The separator: y 306 from x 20 up to, not including, x 185.
    EXPECT_EQ(w->image.at(20, 306), fx::black);
    EXPECT_EQ(w->image.at(184, 306), fx::black);
    EXPECT_EQ(w->image.at(185, 306), background);
    EXPECT_EQ(w->image.at(100, 305), background);
    // The frame's edges; its top edge is covered by the caption where the caption stands.
    EXPECT_EQ(w->image.at(200, 200), fx::black);
    EXPECT_EQ(w->image.at(442, 150), fx::black);
    EXPECT_EQ(w->image.at(300, 226), fx::black);
    EXPECT_EQ(w->image.at(420, 119), fx::black);
    EXPECT_EQ(w->image.at(210, 119), background);
    EXPECT_EQ(h.layer.drawnTextAt(h.mainWindow(), {200, 112}), "RT Trade Simulator");
    auto list = h.layer.control(h.mainWindow(), mw::eventLogList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->columns.size(), 3u);
    EXPECT_EQ(list->columns[0].heading, "Date");
    EXPECT_EQ(list->columns[2].heading, "Description");
}

}  // namespace
