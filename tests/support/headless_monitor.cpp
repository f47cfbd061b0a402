#include "support/headless_monitor.h"

#include <cstdio>
#include <stdexcept>

#include "app/startup.h"
#include "monitor/main_window.h"
#include "monitor/options_window.h"

namespace fxtest {

float typicalPrice(std::string_view symbol) {
    if (symbol.ends_with("JPY")) return 100.25f;
    return 1.2345f;
}

std::string historyDate(int row) {
    fx::SettableClock day(fx::LocalTime{2008, 1, 2, 0, 0, 0});
    day.advanceSeconds(static_cast<long long>(row) * 86400);
    return fx::dateText(day.now());
}

HeadlessMonitor::HeadlessMonitor(fx::VariantId id) : variant(fx::variant(id)) {}

HeadlessMonitor::~HeadlessMonitor() = default;

std::string HeadlessMonitor::symbol(int pair) const {
    return std::string(variant.pairTable.at(pair));
}

int HeadlessMonitor::pairIndex(std::string_view name) const {
    for (int k = 0; k < fx::pairCount; ++k)
        if (variant.pairTable[k] == name) return k;
    throw std::invalid_argument("no such pair in this variant");
}

void HeadlessMonitor::writeData(int rows, std::function<float(int, int)> price) {
    if (!price) price = [this](int pair, int) { return typicalPrice(symbol(pair)); };
    for (int k = 0; k < fx::pairCount; ++k) {
        std::string content;
        char number[64];
        for (int r = 0; r < rows; ++r) {
            std::snprintf(number, sizeof number, "%.5f", static_cast<double>(price(k, r)));
            content += historyDate(r) + "," + number + "\r\n";
        }
        writeHistoryLines(k, content);
        std::snprintf(number, sizeof number, "%.5f", static_cast<double>(price(k, 0)));
        writeRealtime(k, number);
    }
}

void HeadlessMonitor::writeHistoryLines(int pair, std::string_view content) const {
    folder.write(symbol(pair) + ".csv", content);
}

void HeadlessMonitor::writeRealtime(int pair, std::string_view content) const {
    folder.write(symbol(pair) + "_RT.csv", content);
}

void HeadlessMonitor::setPrice(int pair, float price) const {
    char number[64];
    std::snprintf(number, sizeof number, "%.6f", static_cast<double>(price));
    writeRealtime(pair, number);
}

void HeadlessMonitor::start() {
    monitor_ = std::make_unique<fx::Monitor>(variant, layer, clock, folder.pathOf("fxmonitor.exe"),
                                             folder.path());
    fx::startMonitor(*monitor_);
}

bool HeadlessMonitor::chooseReferenceDay(int position) {
    return layer.choose(mainWindow(), fx::mainwin::referenceDayCombo, position);
}

bool HeadlessMonitor::clickMain(int controlId) { return layer.click(mainWindow(), controlId); }

bool HeadlessMonitor::chooseMenu(int menuId) { return layer.chooseMenu(mainWindow(), menuId); }

bool HeadlessMonitor::clickOptions(int controlId) {
    return layer.click(optionsWindow(), controlId);
}

int HeadlessMonitor::tick(int count) {
    int delivered = 0;
    for (int i = 0; i < count; ++i) {
        clock.advanceSeconds(1);
        if (layer.tick(mainWindow(), fx::mainwin::realTimeTimer)) ++delivered;
    }
    return delivered;
}

std::vector<std::string> HeadlessMonitor::logDescriptions() {
    std::vector<std::string> rows;
    const int count = layer.rowCount(mainWindow(), fx::mainwin::eventLogList);
    for (int r = 0; r < count; ++r)
        rows.push_back(layer.cellText(mainWindow(), fx::mainwin::eventLogList, r, 2));
    return rows;
}

std::string HeadlessMonitor::slotPair(int slotIndex) {
    return layer.controlText(mainWindow(), fx::mainwin::slotPairBox(slotIndex));
}

std::string HeadlessMonitor::slotValue(int slotIndex) {
    return layer.controlText(mainWindow(), fx::mainwin::slotPriceBox(slotIndex));
}

std::string HeadlessMonitor::mainText(int controlId) {
    return layer.controlText(mainWindow(), controlId);
}

bool HeadlessMonitor::mainEnabled(int controlId) {
    return layer.isEnabled(mainWindow(), controlId);
}

}  // namespace fxtest
