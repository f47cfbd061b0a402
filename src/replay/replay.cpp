#include "replay/replay.h"

#include <array>
#include <charconv>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/options_window.h"
#include "replay/replay_report.h"
#include "replay/slots_file.h"
#include "replay/ticks_file.h"
#include "report/report_page.h"
#include "text/command_line.h"
#include "text/numbers.h"
#include "text/text_file.h"
#include "window/headless/headless_layer.h"

namespace fx {

namespace {

constexpr std::size_t logFlushSize = 1 << 16;

struct Button {
    ActionKind kind;
    int controlId;
    const char* caption;
};

constexpr Button buttons[] = {
    {ActionKind::Buy, mainwin::buyButton, "Buy"},
    {ActionKind::Sell, mainwin::sellButton, "Sell"},
    {ActionKind::Close, mainwin::closeButton, "Close"},
    {ActionKind::Clear, mainwin::clearButton, "Clear"},
};

class ReplaySession {
public:
    ReplaySession(const ReplayOptions& options, std::ostream& log, std::ostream& messages)
        : options_(options), variant_(*options.variant), log_(log), messages_(messages) {}

    int run();

private:
    enum class Stage { StartUp, Options, Ticks };

    std::string where() const;
    void refuse(std::string_view action, std::string_view why);
    std::optional<std::string_view> recordedFirstLine(int pair) const;
    std::optional<std::string> inputAt(const std::string& path) const;
    void findControls();

    void setAlert(const AlertSetting& setting);
    bool chooseReferenceDay(const ReferenceChoice& choice, std::string_view action);
    void act(const TicksAction& action);
    void tick(const PriceLine& price);
    void switchRealTimeOn();

    void writeSlotsRow(std::string_view cause);
    bool openReport(const TicksCheck& check);
    void printNewLogRows();
    void flushLog();

    const ReplayOptions& options_;
    const Variant& variant_;
    std::ostream& log_;
    std::ostream& messages_;
    SettableClock clock_;
    HeadlessLayer layer_;
    std::unique_ptr<Monitor> monitor_;

    Stage stage_ = Stage::StartUp;
    long long line_ = 0;                // the ticks-file line being replayed
    const PriceLine* price_ = nullptr;  // the fields of the tick under way
    std::optional<SlotsFile> slots_;
    std::optional<ReplayReport> report_;
    std::string logText_;

    // The controls read after every cycle, found once: the headless layer keeps its
    // controls in place for the life of the window.
    HeadlessControl* eventLog_ = nullptr;
    HeadlessControl* pipsBox_ = nullptr;
    std::array<HeadlessControl*, pairCount> slotPairBoxes_{};
    std::array<HeadlessControl*, pairCount> slotPriceBoxes_{};
};

std::string ReplaySession::where() const {
    switch (stage_) {
        case Stage::StartUp:
            return "";
        case Stage::Options:
            return "fxmonitor-replay: ";
        case Stage::Ticks:
            return options_.ticksFile + ":" + std::to_string(line_) + ": ";
    }
    return "";
}

void ReplaySession::refuse(std::string_view action, std::string_view why) {
    messages_ << where() << quotedForMessage(action) << " refused: " << why << '\n';
}

// The replay's real-time files: the fields of the tick under way. An empty field is a
// file that was missing at that tick.
std::optional<std::string_view> ReplaySession::recordedFirstLine(int pair) const {
    if (!price_) return std::nullopt;
    const std::string_view field = price_->fields[pair];
    if (field.empty()) return std::nullopt;
    // The monitor reads no more of a first line than this.
    return field.substr(0, maxLineLength);
}

// The input file that `path` names, if any: the ticks file, or a history or start-up
// real-time file of the data folder. Creating the --slots file there would destroy it.
std::optional<std::string> ReplaySession::inputAt(const std::string& path) const {
    std::vector<std::string> inputs = {options_.ticksFile};
    for (std::string_view symbol : variant_.pairTable) {
        inputs.push_back(monitor_->workingPath(std::string(symbol) + ".csv"));
        inputs.push_back(monitor_->workingPath(std::string(symbol) + "_RT.csv"));
    }
    for (const std::string& input : inputs) {
        std::error_code error;
        if (std::filesystem::equivalent(path, input, error)) return input;
    }
    return std::nullopt;
}

void ReplaySession::findControls() {
    const WindowId main = monitor_->mainWindow;
    eventLog_ = layer_.control(main, mainwin::eventLogList);
    pipsBox_ = layer_.control(main, mainwin::pipsBox);
    for (int s = 0; s < pairCount; ++s) {
        slotPairBoxes_[s] = layer_.control(main, mainwin::slotPairBox(s));
        slotPriceBoxes_[s] = layer_.control(main, mainwin::slotPriceBox(s));
    }
}

// Sets the rule's check box as stated (a click only when it differs). Ticking a box
// opens the sound-file chooser, which the replay cancels: the alert has no sound.
void ReplaySession::setAlert(const AlertSetting& setting) {
    const WindowId options = monitor_->optionsWindow;
    if (setting.rule == pairInSlot && setting.on) {
        layer_.choose(options, optwin::slotAlertPairCombo, setting.pair);
        layer_.choose(options, optwin::slotAlertSlotCombo, setting.slot - 1);
    }
    const int box = alertCheckBoxOf(setting.rule);
    if (layer_.isChecked(options, box) != setting.on) layer_.click(options, box);
}

bool ReplaySession::chooseReferenceDay(const ReferenceChoice& choice, std::string_view action) {
    const WindowId main = monitor_->mainWindow;
    const HeadlessControl* list = layer_.control(main, mainwin::referenceDayCombo);
    const int entries = list ? static_cast<int>(list->entries.size()) : 0;
    int position = -1;
    if (choice.position) {
        if (*choice.position < entries) position = *choice.position;
    } else {
        for (int p = 0; p < entries && position < 0; ++p)
            if (list->entries[p] == choice.date) position = p;
    }
    if (position < 0) {
        refuse(action, choice.position ? "the \"Reference Day:\" list has no such position"
                                       : "the \"Reference Day:\" list holds no such date");
        return false;
    }
    if (!layer_.choose(main, mainwin::referenceDayCombo, position)) {
        refuse(action, "the \"Reference Day:\" list is disabled");
        return false;
    }
    writeSlotsRow("reference");
    if (report_) {
        report_->referenceDayChosen(list->entries[position]);
        report_->ranked(false, pipsBox_->text);
    }
    return true;
}

void ReplaySession::act(const TicksAction& action) {
    const WindowId main = monitor_->mainWindow;
    switch (action.kind) {
        case ActionKind::Reference:
            chooseReferenceDay(action.reference, action.text);
            return;
        case ActionKind::Interval:
            if (!layer_.chooseMenu(main, mainwin::logTimerItemFor(action.minutes)))
                refuse(action.text, "the \"Log Timers\" item is greyed");
            return;
        case ActionKind::Alert:
            setAlert(action.alert);
            return;
        case ActionKind::Buy:
        case ActionKind::Sell:
        case ActionKind::Close:
        case ActionKind::Clear:
            for (const Button& button : buttons) {
                if (button.kind != action.kind) continue;
                if (!layer_.click(main, button.controlId))
                    refuse(action.text,
                           "the \"" + std::string(button.caption) + "\" button is disabled");
            }
            return;
    }
}

// Real-time mode comes on with the first price line. Without a reference day the
// monitor still has its box disabled; the replay ticks it all the same and hands the
// handler the box's notification, so the ranking measures against row 0.
void ReplaySession::switchRealTimeOn() {
    const WindowId main = monitor_->mainWindow;
    if (layer_.isChecked(main, mainwin::realTimeModeCheck)) return;
    if (layer_.click(main, mainwin::realTimeModeCheck)) return;
    layer_.setChecked(main, mainwin::realTimeModeCheck, true);
    WindowEvent event;
    event.kind = EventKind::ControlNotify;
    event.controlId = mainwin::realTimeModeCheck;
    layer_.deliver(main, event);
}

void ReplaySession::tick(const PriceLine& price) {
    clock_.set(price.time);
    switchRealTimeOn();
    price_ = &price;
    const bool ticked = layer_.tick(monitor_->mainWindow, mainwin::realTimeTimer);
    price_ = nullptr;
    if (!ticked) return;
    writeSlotsRow("tick");
    if (report_) report_->ranked(true, pipsBox_->text);
}

void ReplaySession::writeSlotsRow(std::string_view cause) {
    if (!slots_) return;
    const RankingState& ranking = monitor_->ranking;
    SlotsRow row;
    row.time = clock_.now();
    row.cause = cause;
    row.referenceBias = ranking.referenceBias;
    row.basketBias = ranking.basketBias;
    row.anchorBias = ranking.anchorBias;
    row.buyPower = ranking.buyPower;
    row.sellPower = ranking.sellPower;
    for (int s = 0; s < pairCount; ++s) {
        row.symbols[s] = slotPairBoxes_[s]->text;
        // The value box shows the pair's move as formatNumber wrote it: a blank, then
        // the whole number.
        const std::string& move = slotPriceBoxes_[s]->text;
        const char* first = move.data() + (move.starts_with(' ') ? 1 : 0);
        std::from_chars(first, move.data() + move.size(), row.moves[s]);
    }
    row.pips = trimmedBlanks(pipsBox_->text);
    slots_->write(row);
}

// Prints the rows logged since the last call, oldest first, and drops them from the
// list: nothing in the engine reads them back (only "Save Log", which the replay never
// chooses), and a long replay then holds no rows at all.
void ReplaySession::printNewLogRows() {
    HeadlessRows& rows = eventLog_->rows;
    while (!rows.empty()) {
        const std::size_t oldest = rows.size() - 1;
        for (std::size_t column = 0; column < rows.columns(oldest); ++column) {
            if (column > 0) logText_ += ',';
            logText_ += rows.cell(oldest, column);
        }
        logText_ += '\n';
        if (report_ && rows.columns(oldest) > 2) report_->logged(rows.cell(oldest, 2));
        rows.dropBottom();
    }
    if (logText_.size() >= logFlushSize) flushLog();
}

void ReplaySession::flushLog() {
    log_.write(logText_.data(), static_cast<std::streamsize>(logText_.size()));
    logText_.clear();
}

int ReplaySession::run() {
    const TicksCheck check = checkTicksFile(options_.ticksFile, variant_);
    // "Started ZA Daderer" and everything before the first tick happen at its time.
    if (check.ok) clock_.set(check.firstPriceTime);

    monitor_ = std::make_unique<Monitor>(variant_, layer_, clock_, "", options_.dataFolder);
    monitor_->realtimeFirstLine = [this](int pair) { return recordedFirstLine(pair); };
    layer_.onMessage = [this](const MessageRecord& message) {
        messages_ << where() << message.text << '\n';
    };

    // The checks come in this order: the history files, then the ticks file.
    startMonitor(*monitor_);
    if (monitor_->state.keepRunning == 0) return replayHistoryMissing;
    if (!check.ok) {
        messages_ << check.error << '\n';
        return replayUsageError;
    }
    if (!openReport(check)) return replayUsageError;
    if (options_.slotsFile) {
        if (const auto input = inputAt(*options_.slotsFile)) {
            messages_ << "fxmonitor-replay: --slots " << *options_.slotsFile
                      << " would overwrite the input file " << *input << '\n';
            return replayUsageError;
        }
        slots_.emplace();
        if (!slots_->create(*options_.slotsFile)) {
            messages_ << "fxmonitor-replay: " << *options_.slotsFile
                      << ": the slots file cannot be created\n";
            return replayUsageError;
        }
    }

    findControls();
    printNewLogRows();

    stage_ = Stage::Options;
    for (const AlertSetting& alert : options_.alerts) setAlert(alert);
    if (options_.referenceDay) {
        const ReferenceChoice& day = *options_.referenceDay;
        chooseReferenceDay(
            day, "--reference-day " + (day.position ? std::to_string(*day.position) : day.date));
    }
    printNewLogRows();

    stage_ = Stage::Ticks;
    TicksReader reader(variant_);
    int status = replayDone;
    if (!reader.open(options_.ticksFile)) {
        messages_ << reader.error() << '\n';
        status = replayUsageError;
    }
    while (status == replayDone) {
        const TicksReader::Item item = reader.next();
        line_ = reader.lineNumber();
        if (item == TicksReader::Item::End) {
            if (!reader.note().empty()) messages_ << reader.note() << '\n';
            break;
        }
        if (item == TicksReader::Item::Error) {
            // The file was checked whole before the run: it has changed since.
            messages_ << reader.error() << '\n';
            status = replayUsageError;
            break;
        }
        if (item == TicksReader::Item::Price) {
            tick(reader.price());
        } else {
            act(reader.action());
            if (report_) report_->acted(reader.action(), pipsBox_->text);
        }
        printNewLogRows();
        // The layer records every message box and dialog; a long replay needs none of them.
        if (!layer_.messages().empty() || !layer_.fileDialogs().empty() || !layer_.sounds().empty())
            layer_.forgetRecords();
    }

    shutDownMonitor(*monitor_);
    flushLog();
    log_.flush();
    if (slots_ && !slots_->close()) {
        messages_ << "fxmonitor-replay: " << *options_.slotsFile
                  << ": the slots file could not be written whole\n";
        status = replayUsageError;
    }
    // The report is written only for a replay that went through.
    if (report_ && status == replayDone && !report_->write(*options_.reportFile, options_)) {
        messages_ << "fxmonitor-replay: " << *options_.reportFile
                  << ": the report could not be written whole\n";
        status = replayUsageError;
    }
    return status;
}

// Whether two paths name one file, whether or not it is there yet.
bool sameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error)) return true;
    const auto full = [&error](const std::string& path) {
        return std::filesystem::absolute(path, error).lexically_normal();
    };
    return full(a) == full(b);
}

// Checked before the run (and before the --slots file is made), so that a long replay
// does not end in a report that cannot be written; the page is written at the end.
bool ReplaySession::openReport(const TicksCheck& check) {
    if (!options_.reportFile) return true;
    const std::string& path = *options_.reportFile;
    if (const auto input = inputAt(path)) {
        messages_ << "fxmonitor-replay: --report " << path << " would overwrite the input file "
                  << *input << '\n';
        return false;
    }
    if (options_.slotsFile && sameFile(path, *options_.slotsFile)) {
        messages_ << "fxmonitor-replay: --report and --slots name the same file " << path << '\n';
        return false;
    }
    if (!reportFileCanBeMade(path)) {
        messages_ << "fxmonitor-replay: " << path << ": the report file cannot be created\n";
        return false;
    }
    report_.emplace(*monitor_, check.priceLines);
    return true;
}

}  // namespace

int runReplay(const ReplayOptions& options, std::ostream& log, std::ostream& messages) {
    if (options.help) {
        log << usageText();
        return replayDone;
    }
    ReplaySession session(options, log, messages);
    return session.run();
}

int replayMain(std::span<const std::string_view> arguments, std::ostream& log,
               std::ostream& messages) {
    const CommandLine commandLine = parseCommandLine(arguments);
    if (!commandLine.options) {
        messages << "fxmonitor-replay: " << commandLine.error << " (see --help)\n";
        return replayUsageError;
    }
    return runReplay(*commandLine.options, log, messages);
}

}  // namespace fx
