#pragma once
// The one fixture of the native tests: a monitor of any variant on the headless window
// layer, its data files in a fresh folder that is both the working folder and the
// program's folder, driven and read back as a user would.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/options_window.h"
#include "monitor/pairs.h"
#include "support/temp_folder.h"
#include "text/clock.h"
#include "window/headless/headless_layer.h"

namespace fxtest {

using Lines = std::vector<std::string>;

inline constexpr fx::VariantId allVariants[] = {fx::VariantId::V17, fx::VariantId::V17b,
                                                fx::VariantId::V17c};

// A plausible price: about 100 for yen pairs, about 1.2 for the others.
float typicalPrice(std::string_view symbol);
// "MM-DD-YYYY" of the row-th day after 01-02-2008, one a day.
std::string historyDate(int row);
// The lines of `lines` that start with the prefix.
Lines startingWith(const Lines& lines, std::string_view prefix);
// The fourteen history files, `rows` lines each, every pair at its typical price unless
// `price` says otherwise; and a real-time file per pair at the row-0 price.
void writeMonitorData(const TempFolder& folder, const fx::Variant& variant, int rows,
                      std::function<float(int pair, int row)> price = nullptr);

class HeadlessMonitor {
public:
    explicit HeadlessMonitor(fx::VariantId variant = fx::VariantId::V17b);
    ~HeadlessMonitor();

    const fx::Variant& variant;
    TempFolder folder;
    fx::HeadlessLayer layer;
    fx::SettableClock clock{fx::LocalTime{2009, 3, 7, 14, 19, 5}};

    // --- data files ---
    void writeData(int rows, std::function<float(int pair, int row)> price = nullptr) {
        writeMonitorData(folder, variant, rows, std::move(price));
    }
    void writeHistoryLines(int pair, std::string_view content) const {
        folder.write(symbol(pair) + ".csv", content);
    }
    void writeRealtime(int pair, std::string_view content) const {
        folder.write(symbol(pair) + "_RT.csv", content);
    }
    // The real-time price `delta` away from the pair's typical price.
    void movePrice(int pair, float delta) const;
    std::string symbol(int pair) const { return std::string(variant.pairTable.at(pair)); }
    int pairIndex(std::string_view symbol) const { return fx::pairIndexOf(variant, symbol); }
    // The symbol at a position of PairGroups (0 to 6 the buy group, 7 to 13 the sell group).
    std::string groupSymbol(int position) const { return symbol(fx::pairGroupOrder[position]); }

    // --- start-up ---
    // The monitor and its windows, nothing loaded: for calling the loaders one by one.
    void buildWindows();
    void start();
    // History of `rows` days, start-up, and reference day 0 chosen.
    void startWithReferenceDay(int rows = 3);
    // The same, and real-time mode switched on.
    void startInRealTime(int rows = 3);
    fx::Monitor& monitor() { return *monitor_; }
    fx::WindowId mainWindow() const { return monitor_->mainWindow; }
    fx::WindowId optionsWindow() const { return monitor_->optionsWindow; }

    // --- the ranking on prices set in memory ---
    // Gives each pair, by group position, the wanted move against reference row 0, and ranks.
    void rankWithMoves(const std::array<int, fx::pairCount>& moves);
    // An alert switched on as a user leaves it, its sound file chosen.
    void switchOn(fx::AlertKind rule, const std::string& sound = "");

    // --- what a user does ---
    bool chooseReferenceDay(int position) {
        return layer.choose(mainWindow(), fx::mainwin::referenceDayCombo, position);
    }
    bool clickMain(int controlId) { return layer.click(mainWindow(), controlId); }
    bool clickOptions(int controlId) { return layer.click(optionsWindow(), controlId); }
    bool chooseMenu(int menuId) { return layer.chooseMenu(mainWindow(), menuId); }
    // Ticks real-time timer 1 `count` times, the clock a second further each time;
    // returns how many ticks were delivered (none while the timer is stopped).
    int tick(int count = 1);

    // --- what a user sees ---
    Lines logDescriptions();  // newest first
    // The rows logged since the last call, oldest first.
    Lines newLogLines();
    std::string slotValue(int slotIndex) { return mainText(fx::mainwin::slotPriceBox(slotIndex)); }
    std::string mainText(int controlId) { return layer.controlText(mainWindow(), controlId); }
    bool mainEnabled(int controlId) { return layer.isEnabled(mainWindow(), controlId); }
    bool optionChecked(int controlId) { return layer.isChecked(optionsWindow(), controlId); }
    Lines messageTexts() const;

private:
    std::unique_ptr<fx::Monitor> monitor_;
    std::size_t seenLogRows_ = 0;
};

}  // namespace fxtest
