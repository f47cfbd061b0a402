#include "support/headless_monitor.h"

#include <algorithm>
#include <cstdio>

#include "app/startup.h"
#include "ranking/ranking.h"

namespace fxtest {

namespace {

std::string priceText(float price) {
    char number[64];
    std::snprintf(number, sizeof number, "%.6f", static_cast<double>(price));
    return number;
}

}  // namespace

float typicalPrice(std::string_view symbol) { return symbol.ends_with("JPY") ? 100.25f : 1.2345f; }

std::string historyDate(int row) {
    fx::SettableClock day(fx::LocalTime{2008, 1, 2, 0, 0, 0});
    day.advanceSeconds(static_cast<long long>(row) * 86400);
    return fx::dateText(day.now());
}

Lines startingWith(const Lines& lines, std::string_view prefix) {
    Lines found;
    for (const std::string& line : lines)
        if (line.starts_with(prefix)) found.push_back(line);
    return found;
}

HeadlessMonitor::HeadlessMonitor(fx::VariantId id) : variant(fx::variant(id)) {}

HeadlessMonitor::~HeadlessMonitor() = default;

void writeMonitorData(const TempFolder& folder, const fx::Variant& variant, int rows,
                      std::function<float(int pair, int row)> price) {
    for (int k = 0; k < fx::pairCount; ++k) {
        const std::string symbol(variant.pairTable[k]);
        std::string content;
        for (int r = 0; r < rows; ++r)
            content += historyDate(r) + "," +
                       priceText(price ? price(k, r) : typicalPrice(symbol)) + "\r\n";
        folder.write(symbol + ".csv", content);
        folder.write(symbol + "_RT.csv", priceText(price ? price(k, 0) : typicalPrice(symbol)));
    }
}

void HeadlessMonitor::movePrice(int pair, float delta) const {
    writeRealtime(pair, priceText(typicalPrice(symbol(pair)) + delta));
}

void HeadlessMonitor::buildWindows() {
    monitor_ = std::make_unique<fx::Monitor>(variant, layer, clock, folder.pathOf("fxmonitor.exe"),
                                             folder.path());
    fx::buildWindows(*monitor_);
}

void HeadlessMonitor::start() {
    monitor_ = std::make_unique<fx::Monitor>(variant, layer, clock, folder.pathOf("fxmonitor.exe"),
                                             folder.path());
    fx::startMonitor(*monitor_);
    seenLogRows_ = logDescriptions().size();
}

void HeadlessMonitor::startWithReferenceDay(int rows) {
    writeData(rows);
    start();
    chooseReferenceDay(0);
}

void HeadlessMonitor::startInRealTime(int rows) {
    startWithReferenceDay(rows);
    clickMain(fx::mainwin::realTimeModeCheck);
}

void HeadlessMonitor::rankWithMoves(const std::array<int, fx::pairCount>& moves) {
    for (int g = 0; g < fx::pairCount; ++g) {
        const int pair = fx::pairGroupOrder[g];
        const bool jpy = symbol(pair).ends_with("JPY");
        const double reference = jpy ? 100.0 : 1.0;
        const double perPip = jpy ? 0.01 : 0.0001;
        const double sign = g < fx::buyGroupSize ? 1.0 : -1.0;
        monitor_->prices.priceHistory[pair][0].price = static_cast<float>(reference);
        monitor_->prices.currentPrice[pair] =
            static_cast<float>(reference + sign * moves[g] * perPip);
    }
    fx::rankPairs(*monitor_);
}

void HeadlessMonitor::switchOn(fx::AlertKind rule, const std::string& sound) {
    const int box = fx::alertCheckBoxOf(rule);
    layer.setChecked(optionsWindow(), box, true);
    layer.setControlText(optionsWindow(), fx::optwin::soundBoxOf(box), sound);
}

int HeadlessMonitor::tick(int count) {
    int delivered = 0;
    for (int i = 0; i < count; ++i) {
        clock.advanceSeconds(1);
        if (layer.tick(mainWindow(), fx::mainwin::realTimeTimer)) ++delivered;
    }
    return delivered;
}

Lines HeadlessMonitor::logDescriptions() {
    Lines rows;
    const int count = layer.rowCount(mainWindow(), fx::mainwin::eventLogList);
    for (int r = 0; r < count; ++r)
        rows.push_back(layer.cellText(mainWindow(), fx::mainwin::eventLogList, r, 2));
    return rows;
}

Lines HeadlessMonitor::newLogLines() {
    const Lines all = logDescriptions();
    Lines lines(all.rbegin() + static_cast<long>(std::min(seenLogRows_, all.size())), all.rend());
    seenLogRows_ = all.size();
    return lines;
}

Lines HeadlessMonitor::messageTexts() const {
    Lines texts;
    for (const fx::MessageRecord& message : layer.messages()) texts.push_back(message.text);
    return texts;
}

}  // namespace fxtest
