#include "soak_session.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "prices/price_files.h"
#include "ranking/options_window.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "text/numbers.h"

namespace fxsoak {

namespace {

namespace fs = std::filesystem;

constexpr int historyDays = 300;
// Out of every thousand real-time reads: this many missing files, garbage lines and
// prices out of range; the rest are prices on the walk.
constexpr int missingPerMille = 10;
constexpr int garbagePerMille = 10;
constexpr int outOfRangePerMille = 10;
// The layer's own records of message boxes and sounds are dropped this often.
constexpr long long recordsKeptTicks = 1000;
constexpr long long referenceDayTicks = 5000;

double startingPrice(std::string_view symbol) {
    if (symbol.ends_with("JPY")) return 95.0;
    if (symbol.starts_with("EURGBP")) return 0.89;
    return 1.35;
}

std::string priceText(std::string_view symbol, double price) {
    char text[64];
    std::snprintf(text, sizeof text, symbol.ends_with("JPY") ? "%.3f" : "%.5f", price);
    return text;
}

std::string freshFolder(std::mt19937& random) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() / ("fxsoak-" + std::to_string(random()));
        if (fs::create_directory(candidate))
            return candidate.string() + static_cast<char>(fs::path::preferred_separator);
    }
    throw std::runtime_error("cannot make a temporary folder");
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + path);
}

bool sameFloat(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A block of `size` bytes from the C library's allocator: its header, rounded up.
long long heapBlock(std::size_t size) {
    const std::size_t block = (size + 8 + 15) & ~static_cast<std::size_t>(15);
    return static_cast<long long>(block < 32 ? 32 : block);
}

bool onHeap(const std::string& text) {
    const char* data = text.data();
    const char* self = reinterpret_cast<const char*>(&text);
    return data < self || data >= self + sizeof text;
}

}  // namespace

SoakSession::SoakSession(unsigned seed) : random_(seed) {
    folder_ = freshFolder(random_);
    const fx::Variant& variant = fx::variant(fx::VariantId::V17b);
    std::normal_distribution<double> step(0.0, 0.004);
    for (int k = 0; k < fx::pairCount; ++k) {
        const std::string_view symbol = variant.pairTable[k];
        double price = startingPrice(symbol);
        std::string history;
        fx::SettableClock day(fx::LocalTime{2008, 1, 2, 0, 0, 0});
        for (int row = 0; row < historyDays; ++row) {
            history += fx::dateText(day.now()) + "," + priceText(symbol, price) + "\r\n";
            price *= std::exp(step(random_));
            day.advanceSeconds(86400);
        }
        writeFile(folder_ + std::string(symbol) + ".csv", history);
        writeFile(folder_ + std::string(symbol) + "_RT.csv", priceText(symbol, price) + "\r\n");
        walk_.push_back(price);
    }
    writeFile(folder_ + "alert.wav", "any text will do: the headless layer plays nothing\r\n");
    firstLines_.resize(fx::pairCount);

    monitor_ = std::make_unique<fx::Monitor>(variant, layer_, clock_, folder_ + "fxmonitor-17b.exe",
                                             folder_);
    fx::Monitor& monitor = *monitor_;
    fx::startMonitor(monitor);
    monitor.realtimeFirstLine = [this](const std::string& path) -> std::optional<std::string> {
        for (int k = 0; k < fx::pairCount; ++k)
            if (path == folder_ + monitor_->state.PairTable[k] + "_RT.csv") return firstLines_[k];
        return std::nullopt;
    };

    const fx::WindowId main = monitor.mainWindow;
    const fx::WindowId options = monitor.optionsWindow;
    layer_.choose(main, fx::mainwin::referenceDayCombo, 0);
    layer_.chooseMenu(main, fx::mainwin::oneMinuteItem);
    layer_.choose(options, fx::optwin::slotAlertPairCombo, 7);
    layer_.choose(options, fx::optwin::slotAlertSlotCombo, 0);
    switchAlertsOn();
    layer_.click(main, fx::mainwin::realTimeModeCheck);
}

SoakSession::~SoakSession() {
    monitor_.reset();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void SoakSession::switchAlertsOn() {
    const fx::WindowId options = monitor_->optionsWindow;
    // The pair-in-slot alert switches itself off when it fires; it is switched on again.
    for (int box : {fx::optwin::anchorAlertCheck, fx::optwin::biasAlertCheck,
                    fx::optwin::groupAlertCheck, fx::optwin::slotAlertCheck}) {
        if (layer_.isChecked(options, box)) continue;
        layer_.queueFileChoice(folder_ + "alert.wav");
        layer_.click(options, box);
    }
}

std::string SoakSession::garbageLine() {
    static const std::array<std::string, 8> samples = {
        "", "Bid,Ask", "-", ".", "abc", "01-02-2008,1.5", std::string("\0\0\0", 3), "+1.5"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(samples.size()));
    const int chosen = pick(random_);
    if (chosen < static_cast<int>(samples.size())) return samples[chosen];
    // Random bytes, as a first line holds them: no line end, at most 255 of them.
    std::uniform_int_distribution<int> length(0, 255);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string line;
    for (int i = length(random_); i > 0; --i) {
        const char c = static_cast<char>(byte(random_));
        if (c != '\r' && c != '\n') line.push_back(c);
    }
    return line;
}

std::string SoakSession::outOfRangeLine() {
    static const std::array<std::string, 8> samples = {
        "0",
        "-1.2",
        "500",
        "731.5",
        "499.99999999",
        "0.00000000000000000000000000000000000000000001",
        std::string(400, '9'),
        "-0"};
    std::uniform_int_distribution<int> pick(0, static_cast<int>(samples.size()) - 1);
    return samples[pick(random_)];
}

void SoakSession::prepareFirstLines() {
    std::uniform_int_distribution<int> perMille(0, 999);
    std::normal_distribution<double> step(0.0, 0.0004);
    for (int k = 0; k < fx::pairCount; ++k) {
        walk_[k] *= std::exp(step(random_));
        const int roll = perMille(random_);
        if (roll < missingPerMille) {
            firstLines_[k].reset();
            ++counts_.missingFiles;
            ++messagesExpected_;
        } else if (roll < missingPerMille + garbagePerMille) {
            firstLines_[k] = garbageLine();
            ++counts_.garbageLines;
        } else if (roll < missingPerMille + garbagePerMille + outOfRangePerMille) {
            firstLines_[k] = outOfRangeLine();
            ++counts_.outOfRangeLines;
        } else {
            firstLines_[k] = priceText(monitor_->state.PairTable[k], walk_[k]) + ",0.0001";
            ++counts_.acceptedLines;
        }
    }
}

void SoakSession::actLikeAUser() {
    const fx::WindowId main = monitor_->mainWindow;
    std::uniform_int_distribution<int> chance(0, 999);
    if (layer_.isEnabled(main, fx::mainwin::buyButton) && chance(random_) < 3) {
        layer_.click(main,
                     chance(random_) < 500 ? fx::mainwin::buyButton : fx::mainwin::sellButton);
        ++counts_.basketsOpened;
    } else if (layer_.isEnabled(main, fx::mainwin::closeButton) && chance(random_) < 5) {
        layer_.click(main, fx::mainwin::closeButton);
    } else if (layer_.isEnabled(main, fx::mainwin::clearButton) && chance(random_) < 50) {
        layer_.click(main, fx::mainwin::clearButton);
        // Clearing enables "Real-Time Mode"; the box is still ticked and the timer runs.
    }
    if (counts_.ticks % referenceDayTicks == 0) {
        std::uniform_int_distribution<int> day(0, monitor_->prices.historyRowCount - 1);
        layer_.choose(main, fx::mainwin::referenceDayCombo, day(random_));
        ++counts_.referenceDays;
    }
    switchAlertsOn();
}

bool SoakSession::fail(std::string why) {
    failure_ = "tick " + std::to_string(counts_.ticks) + ": " + std::move(why);
    return false;
}

bool SoakSession::tick() {
    fx::Monitor& monitor = *monitor_;
    prepareFirstLines();
    const auto before = monitor.prices.currentPrice;
    const int rowsBefore = logRows();
    clock_.advanceSeconds(1);
    if (!layer_.tick(monitor.mainWindow, fx::mainwin::realTimeTimer))
        return fail("the real-time timer is not running");
    ++counts_.ticks;

    for (int k = 0; k < fx::pairCount; ++k) {
        const float now = monitor.prices.currentPrice[k];
        if (!(now > 0.0f && now < 500.0f)) return fail("a current price outside (0, 500)");
        if (sameFloat(now, before[k])) continue;
        if (!firstLines_[k]) return fail("a missing file changed its pair's price");
        if (!sameFloat(now, static_cast<float>(fx::parseNumber(*firstLines_[k]))))
            return fail("a price that is not the number of its first line");
    }
    if (logRows() < rowsBefore) return fail("log rows were lost");

    if (counts_.ticks % recordsKeptTicks == 0) {
        if (static_cast<long long>(layer_.messages().size()) != messagesExpected_)
            return fail("not one \"Not Found\" message per missing file");
        for (const fx::MessageRecord& message : layer_.messages())
            if (message.caption != "Not Found")
                return fail("an unexpected message: " + message.text);
        layer_.forgetRecords();
        messagesExpected_ = 0;
    }
    actLikeAUser();
    return true;
}

bool SoakSession::run(long long count) {
    for (long long i = 0; i < count; ++i)
        if (!tick()) return false;
    return true;
}

int SoakSession::logRows() {
    return layer_.rowCount(monitor_->mainWindow, fx::mainwin::eventLogList);
}

long long SoakSession::logRowBytes() {
    const fx::HeadlessControl* list =
        layer_.control(monitor_->mainWindow, fx::mainwin::eventLogList);
    if (!list) return 0;
    long long bytes = 0;
    for (const std::vector<std::string>& row : list->rows) {
        bytes +=
            static_cast<long long>(sizeof row) + heapBlock(row.capacity() * sizeof(std::string));
        for (const std::string& cell : row)
            if (onHeap(cell)) bytes += heapBlock(cell.capacity() + 1);
    }
    return bytes;
}

}  // namespace fxsoak
