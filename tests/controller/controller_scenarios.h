#pragma once
// Small steps the controller's scenarios share.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/main_window.h"
#include "support/headless_monitor.h"

namespace fxtest {

inline constexpr fx::VariantId allVariants[] = {fx::VariantId::V17, fx::VariantId::V17b,
                                                fx::VariantId::V17c};

// Every pair is at its typical price on every history day and in its real-time file.
inline void startWithReferenceDay(HeadlessMonitor& hm, int historyRows = 3) {
    hm.writeData(historyRows);
    hm.start();
    hm.chooseReferenceDay(0);
}

inline void startInRealTime(HeadlessMonitor& hm, int historyRows = 3) {
    startWithReferenceDay(hm, historyRows);
    hm.clickMain(fx::mainwin::realTimeModeCheck);
}

// Moves a pair's real-time price by `delta` from its typical price.
inline void movePrice(HeadlessMonitor& hm, int pair, float delta) {
    hm.setPrice(pair, typicalPrice(hm.symbol(pair)) + delta);
}

inline int countStartingWith(const std::vector<std::string>& rows, std::string_view prefix) {
    return static_cast<int>(std::count_if(rows.begin(), rows.end(), [prefix](const std::string& r) {
        return r.starts_with(prefix);
    }));
}

}  // namespace fxtest
