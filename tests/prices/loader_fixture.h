#pragma once
// A monitor whose loaders can be called one by one: the data files and the headless
// layer come from HeadlessMonitor, the Monitor itself is made here without start-up,
// with a plain window as the owner of the loaders' message boxes.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "monitor/monitor.h"
#include "prices/price_files.h"
#include "support/headless_monitor.h"

namespace fxtest {

class LoaderTest : public ::testing::Test {
protected:
    LoaderTest() {
        monitor.mainWindow =
            h.layer.openWindow(fx::WindowSpec{}, "owner", [](const fx::WindowEvent&) {});
    }

    const std::vector<fx::MessageRecord>& messages() const { return h.layer.messages(); }
    float& currentPrice(int pair) { return monitor.prices.currentPrice[pair]; }
    const fx::HistoryTable& table(int pair) const { return monitor.prices.priceHistory[pair]; }

    HeadlessMonitor h{fx::VariantId::V17b};
    fx::Monitor monitor{h.variant, h.layer, h.clock, h.folder.pathOf("fxmonitor.exe"),
                        h.folder.path()};
};

}  // namespace fxtest
