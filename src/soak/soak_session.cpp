#include "soak/soak_session.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "app/startup.h"
#include "monitor/main_window.h"
#include "monitor/options_window.h"
#include "text/numbers.h"

namespace fx::soak {

namespace {

namespace fs = std::filesystem;

constexpr int historyDays = 300;
// The message boxes shown are checked this often.
constexpr long long messagesCheckedTicks = 1000;
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

// Named from a generator of its own: the session's walk must not depend on which
// folders happen to exist.
std::string freshFolder() {
    std::random_device seed;
    std::mt19937 random(seed());
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

}  // namespace

SoakSession::SoakSession(const SoakSettings& settings, WindowLayer& layer, SoakUser& user)
    : settings_(settings), layer_(layer), user_(user), random_(settings.seed) {
    folder_ = freshFolder();
    const Variant& variant = fx::variant(VariantId::V17b);
    std::normal_distribution<double> step(0.0, 0.004);
    for (int k = 0; k < pairCount; ++k) {
        const std::string_view symbol = variant.pairTable[k];
        double price = startingPrice(symbol);
        std::string history;
        SettableClock day(LocalTime{2008, 1, 2, 0, 0, 0});
        for (int row = 0; row < historyDays; ++row) {
            history += dateText(day.now()) + "," + priceText(symbol, price) + "\r\n";
            price *= std::exp(step(random_));
            day.advanceSeconds(86400);
        }
        writeFile(folder_ + std::string(symbol) + ".csv", history);
        writeFile(folder_ + std::string(symbol) + "_RT.csv", priceText(symbol, price) + "\r\n");
        walk_.push_back(price);
    }
    // Not a sound: an alert plays nothing, and says nothing about it.
    writeFile(folder_ + "alert.wav", "any text will do\r\n");
    firstLines_.resize(pairCount);

    monitor_ =
        std::make_unique<Monitor>(variant, layer_, clock_, folder_ + "fxmonitor-17b.exe", folder_);
    Monitor& monitor = *monitor_;
    startMonitor(monitor);
    monitor.realtimeFirstLine = [this](int pair) -> std::optional<std::string_view> {
        if (!firstLines_[pair]) return std::nullopt;
        return *firstLines_[pair];
    };

    const WindowId main = monitor.mainWindow;
    const WindowId options = monitor.optionsWindow;
    user_.choose(main, mainwin::referenceDayCombo, 0);
    user_.chooseMenu(main, mainwin::oneMinuteItem);
    user_.choose(options, optwin::slotAlertPairCombo, 7);
    user_.choose(options, optwin::slotAlertSlotCombo, 0);
    switchAlertsOn();
    user_.click(main, mainwin::realTimeModeCheck);
}

SoakSession::~SoakSession() {
    monitor_.reset();
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

void SoakSession::switchAlertsOn() {
    const WindowId options = monitor_->optionsWindow;
    for (const AlertKind rule : {anchorDisplaced, referenceBiasFlip, pairsGrouped, pairInSlot}) {
        const int box = alertCheckBoxOf(rule);
        if (layer_.isChecked(options, box)) continue;
        if (rule == pairInSlot && counts_.ticks > 0 && !settings_.rearmSlotAlert) continue;
        user_.chooseFileNext(folder_ + "alert.wav");
        user_.click(options, box);
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
    for (int k = 0; k < pairCount; ++k) {
        walk_[k] *= std::exp(step(random_));
        const int roll = perMille(random_);
        const int missing = settings_.missingPerMille;
        const int garbage = missing + settings_.garbagePerMille;
        if (roll < missing) {
            firstLines_[k].reset();
            ++counts_.missingFiles;
            ++messagesExpected_;
        } else if (roll < garbage) {
            firstLines_[k] = garbageLine();
            ++counts_.garbageLines;
        } else if (roll < garbage + settings_.outOfRangePerMille) {
            firstLines_[k] = outOfRangeLine();
            ++counts_.outOfRangeLines;
        } else {
            firstLines_[k] = priceText(monitor_->state.PairTable[k], walk_[k]) + ",0.0001";
            ++counts_.acceptedLines;
        }
    }
}

void SoakSession::actLikeAUser() {
    const WindowId main = monitor_->mainWindow;
    std::uniform_int_distribution<int> chance(0, 999);
    if (layer_.isEnabled(main, mainwin::buyButton) && chance(random_) < 3) {
        user_.click(main, chance(random_) < 500 ? mainwin::buyButton : mainwin::sellButton);
        ++counts_.basketsOpened;
    } else if (layer_.isEnabled(main, mainwin::closeButton) && chance(random_) < 5) {
        user_.click(main, mainwin::closeButton);
    } else if (layer_.isEnabled(main, mainwin::clearButton) && chance(random_) < 50) {
        user_.click(main, mainwin::clearButton);
        // Clearing enables "Real-Time Mode"; the box is still ticked and the timer runs.
    }
    if (counts_.ticks % referenceDayTicks == 0) {
        std::uniform_int_distribution<int> day(0, monitor_->prices.historyRowCount - 1);
        user_.choose(main, mainwin::referenceDayCombo, day(random_));
        ++counts_.referenceDays;
    }
    switchAlertsOn();
}

bool SoakSession::fail(std::string why) {
    failure_ = "tick " + std::to_string(counts_.ticks) + ": " + std::move(why);
    return false;
}

bool SoakSession::tick() {
    Monitor& monitor = *monitor_;
    prepareFirstLines();
    const auto before = monitor.prices.currentPrice;
    const int rowsBefore = logRows();
    clock_.advanceSeconds(1);
    if (!user_.tick(monitor)) return fail("the real-time timer is not running");
    ++counts_.ticks;

    for (int k = 0; k < pairCount; ++k) {
        const float now = monitor.prices.currentPrice[k];
        if (!(now > 0.0f && now < 500.0f)) return fail("a current price outside (0, 500)");
        if (sameFloat(now, before[k])) continue;
        if (!firstLines_[k]) return fail("a missing file changed its pair's price");
        if (!sameFloat(now, static_cast<float>(parseNumber(*firstLines_[k]))))
            return fail("a price that is not the number of its first line");
    }
    if (logRows() < rowsBefore) return fail("log rows were lost");

    if (counts_.ticks % messagesCheckedTicks == 0 && !checkMessages()) return false;
    actLikeAUser();
    return true;
}

bool SoakSession::checkMessages() {
    const std::vector<std::string> captions = user_.takeMessageCaptions();
    if (static_cast<long long>(captions.size()) != messagesExpected_)
        return fail("not one \"Not Found\" message per missing file");
    for (const std::string& caption : captions)
        if (caption != "Not Found") return fail("an unexpected message box: " + caption);
    messagesExpected_ = 0;
    return true;
}

bool SoakSession::run(long long count) {
    for (long long i = 0; i < count; ++i)
        if (!tick()) return false;
    return true;
}

int SoakSession::logRows() { return layer_.rowCount(monitor_->mainWindow, mainwin::eventLogList); }

std::vector<std::string> SoakSession::logDescriptions() {
    std::vector<std::string> descriptions;
    for (int row = 0; row < logRows(); ++row)
        descriptions.push_back(
            layer_.cellText(monitor_->mainWindow, mainwin::eventLogList, row, 2));
    return descriptions;
}

}  // namespace fx::soak
