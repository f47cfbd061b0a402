#pragma once
// A monitor of any variant on the headless window layer, with its data files in a
// fresh folder that serves as both the working folder and the program's folder.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/monitor.h"
#include "support/temp_folder.h"
#include "text/clock.h"
#include "window/headless/headless_layer.h"

namespace fxtest {

// A plausible price for a symbol: about 100 for yen pairs, about 1.2 for the others.
float typicalPrice(std::string_view symbol);
// "MM-DD-YYYY" of the row-th day after 01-02-2008, one a day.
std::string historyDate(int row);

class HeadlessMonitor {
public:
    explicit HeadlessMonitor(fx::VariantId variant = fx::VariantId::V17b);
    ~HeadlessMonitor();

    const fx::Variant& variant;
    TempFolder folder;
    fx::HeadlessLayer layer;
    fx::SettableClock clock{fx::LocalTime{2009, 3, 7, 14, 19, 5}};

    // The fourteen history files, `rows` lines each, every pair at its typical price
    // unless `price` says otherwise; and a real-time file per pair at the row-0 price.
    void writeData(int rows, std::function<float(int pair, int row)> price = nullptr);
    void writeHistoryLines(int pair, std::string_view content) const;
    // The first line of a pair's real-time file (written in the program's folder).
    void writeRealtime(int pair, std::string_view content) const;
    void setPrice(int pair, float price) const;
    std::string symbol(int pair) const;
    int pairIndex(std::string_view symbol) const;

    // Makes the monitor and runs its start-up.
    void start();
    fx::Monitor& monitor() { return *monitor_; }
    fx::WindowId mainWindow() const { return monitor_->mainWindow; }
    fx::WindowId optionsWindow() const { return monitor_->optionsWindow; }

    // What a user does.
    bool chooseReferenceDay(int position);
    bool clickMain(int controlId);
    bool chooseMenu(int menuId);
    // Ticks real-time timer 1 `count` times, the clock a second further each time.
    // Returns how many ticks were delivered (none while the timer is stopped).
    int tick(int count = 1);
    bool clickOptions(int controlId);

    // What a user sees.
    std::vector<std::string> logDescriptions();  // newest first
    std::string slotPair(int slotIndex);
    std::string slotValue(int slotIndex);
    std::string mainText(int controlId);
    bool mainEnabled(int controlId);

private:
    std::unique_ptr<fx::Monitor> monitor_;
};

}  // namespace fxtest
