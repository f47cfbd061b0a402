#include "replay/replay.h"

#include <array>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/startup.h"
#include "monitor/event_log.h"
#include "monitor/main_window.h"
#include "monitor/monitor.h"
#include "monitor/options_window.h"
#include "monitor/pairs.h"
#include "replay/replay_report.h"
#include "replay/replay_study.h"
#include "replay/slots_file.h"
#include "replay/ticks_file.h"
#include "report/report_page.h"
#include "text/command_line.h"
#include "text/numbers.h"
#include "text/text_file.h"
#include "window/headless/headless_layer.h"

namespace fx {

namespace {

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

    void setAlert(const AlertSetting& setting);
    bool chooseReferenceDay(const ReferenceChoice& choice, std::string_view action);
    void act(const TicksAction& action);
    void tick(const PriceLine& price);
    void switchRealTimeOn();

    std::string pipsBoxText();
    void writeSlotsRow(std::string_view cause);
    bool checkOutputs();
    void printNewLogRows();
    TicksReader::Item readToFirstPrice(TicksReader& reader);
    void replayAction(const TicksAction& action);
    int writeOutputs();

    const ReplayOptions& options_;
    const Variant& variant_;
    std::ostream& log_;
    std::ostream& messages_;
    SettableClock clock_;
    // Nobody looks at the window's drawings during a replay.
    HeadlessLayer layer_{HeadlessLayer::Drawings::NotKept};
    std::unique_ptr<Monitor> monitor_;

    Stage stage_ = Stage::StartUp;
    long long line_ = 0;                // the ticks-file line being replayed
    const PriceLine* price_ = nullptr;  // the fields of the tick under way
    std::optional<SlotsFile> slots_;
    std::optional<ReplayReport> report_;
    std::optional<ReplayStudy> study_;  // for --study and for the report
    // The log's lines, printed when the replay has gone through: a replay that fails
    // prints none of them.
    std::string logText_;
    std::vector<std::pair<long long, TicksAction>> actionsBeforeFirstPrice_;  // by line
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
    // The list shows the reference pair's dates of the complete history rows, row p at
    // position p.
    const PriceData& prices = monitor_->prices;
    const HistoryTable& dates = prices.priceHistory[referenceDatePair];
    const int entries = prices.historyRowCount;
    int position = -1;
    if (choice.position) {
        if (*choice.position < entries) position = *choice.position;
    } else {
        for (int p = 0; p < entries && position < 0; ++p)
            if (dates[p].date == choice.date) position = p;
    }
    if (position < 0) {
        refuse(action, choice.position ? "the \"Reference Day:\" list has no such position"
                                       : "the \"Reference Day:\" list holds no such date");
        return false;
    }
    if (!layer_.choose(monitor_->mainWindow, mainwin::referenceDayCombo, position)) {
        refuse(action, "the \"Reference Day:\" list is disabled");
        return false;
    }
    writeSlotsRow("reference");
    if (report_) {
        report_->referenceDayChosen(dates[position].date);
        report_->ranked(false, pipsBoxText());
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
    if (monitor_->state.realTimeMode == 1) return;
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
    if (report_) report_->ranked(true, pipsBoxText());
    if (study_) study_->ticked();
}

std::string ReplaySession::pipsBoxText() {
    return layer_.controlText(monitor_->mainWindow, mainwin::pipsBox);
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
        row.symbols[s] = monitor_->state.PairTable[ranking.slotPair[s]];
        row.moves[s] = ranking.slotMove[s];
    }
    const std::string pips = pipsBoxText();
    row.pips = trimmedBlanks(pips);
    slots_->write(row);
}

// Prints the rows logged since the last call, oldest first, and clears the list:
// nothing in the engine reads them back (only "Save Log", which the replay never
// chooses), and a long replay then holds no rows at all.
void ReplaySession::printNewLogRows() {
    const WindowId main = monitor_->mainWindow;
    const int rows = layer_.rowCount(main, mainwin::eventLogList);
    if (rows == 0) return;
    for (int row = rows - 1; row >= 0; --row) {
        std::string description;
        for (int column = 0; column < eventLogColumnCount; ++column) {
            if (column > 0) logText_ += ',';
            std::string cell = layer_.cellText(main, mainwin::eventLogList, row, column);
            logText_ += cell;
            if (column == eventLogColumnCount - 1) description = std::move(cell);
        }
        logText_ += '\n';
        if (report_) report_->logged(description);
        if (study_) study_->logged(description);
    }
    layer_.deleteAllRows(main, mainwin::eventLogList);
}

// Reads the ticks file up to its first price line, keeping the actions before it: the
// session starts at that line's time. Returns the item it stopped at.
TicksReader::Item ReplaySession::readToFirstPrice(TicksReader& reader) {
    if (!reader.open(options_.ticksFile)) return TicksReader::Item::Error;
    while (true) {
        const TicksReader::Item item = reader.next();
        if (item != TicksReader::Item::Action) return item;
        actionsBeforeFirstPrice_.push_back({reader.lineNumber(), reader.action()});
    }
}

int ReplaySession::run() {
    TicksReader reader(variant_);
    TicksReader::Item item = readToFirstPrice(reader);
    // "Started ZA Daderer" and everything before the first tick happen at its time.
    if (item == TicksReader::Item::Price) clock_.set(reader.price().time);

    monitor_ = std::make_unique<Monitor>(variant_, layer_, clock_, "", options_.dataFolder);
    monitor_->realtimeFirstLine = [this](int pair) { return recordedFirstLine(pair); };
    layer_.onMessage = [this](const MessageRecord& message) {
        messages_ << where() << message.text << '\n';
    };

    // The checks come in this order: the history files, then the ticks file.
    startMonitor(*monitor_);
    if (monitor_->state.keepRunning == 0) return replayHistoryMissing;
    if (item == TicksReader::Item::Error) {
        messages_ << reader.error() << '\n';
        return replayUsageError;
    }
    if (item == TicksReader::Item::End) {
        messages_ << options_.ticksFile << ":" << reader.lineNumber()
                  << ": the ticks file holds no price line\n";
        return replayUsageError;
    }
    if (!checkOutputs()) return replayUsageError;
    if (options_.reportFile) report_.emplace(*monitor_);
    if (options_.reportFile || options_.studyFile) study_.emplace(*monitor_, options_.studyHorizons);
    if (options_.slotsFile) {
        slots_.emplace();
        if (!slots_->create(*options_.slotsFile)) {
            messages_ << "fxmonitor-replay: " << *options_.slotsFile
                      << ": the slots file cannot be created\n";
            return replayUsageError;
        }
    }

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
    for (const auto& [line, action] : actionsBeforeFirstPrice_) {
        line_ = line;
        replayAction(action);
    }
    actionsBeforeFirstPrice_.clear();
    int status = replayDone;
    // The first price line is still the reader's.
    for (; item != TicksReader::Item::End; item = reader.next()) {
        line_ = reader.lineNumber();
        if (item == TicksReader::Item::Error) {
            messages_ << reader.error() << '\n';
            status = replayUsageError;
            break;
        }
        if (item == TicksReader::Item::Price)
            tick(reader.price());
        else
            replayAction(reader.action());
        printNewLogRows();
        // The layer records every message box and dialog; a long replay needs none of them.
        if (!layer_.messages().empty() || !layer_.fileDialogs().empty() || !layer_.sounds().empty())
            layer_.forgetRecords();
    }
    // A last line cut off in the middle, which the reader left out.
    if (item == TicksReader::Item::End && !reader.note().empty()) messages_ << reader.note() << '\n';
    shutDownMonitor(*monitor_);
    return status == replayDone ? writeOutputs() : status;
}

void ReplaySession::replayAction(const TicksAction& action) {
    act(action);
    if (report_) report_->acted(action, pipsBoxText());
    if (study_) study_->acted();
    printNewLogRows();
}

// The outputs of a replay that went through, each whole or not at all: the report, the
// study, the slots file, then the log. A failure leaves none of those not yet written
// behind.
int ReplaySession::writeOutputs() {
    const AlertStudy* study = study_ ? &study_->finish() : nullptr;
    if (report_ && !report_->write(*options_.reportFile, options_, *study)) {
        messages_ << "fxmonitor-replay: " << *options_.reportFile
                  << ": the report could not be written whole\n";
        return replayUsageError;
    }
    if (options_.studyFile && !writeReportFile(*options_.studyFile, study_->csv())) {
        messages_ << "fxmonitor-replay: " << *options_.studyFile
                  << ": the study could not be written whole\n";
        return replayUsageError;
    }
    if (slots_ && !slots_->close()) {
        messages_ << "fxmonitor-replay: " << *options_.slotsFile
                  << ": the slots file could not be written whole\n";
        return replayUsageError;
    }
    log_.write(logText_.data(), static_cast<std::streamsize>(logText_.size()));
    log_.flush();
    return replayDone;
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

// Checked before the run, so that a long replay does not end in an output that cannot be
// written; the outputs are written at the end.
bool ReplaySession::checkOutputs() {
    const struct {
        std::string_view option;
        const std::optional<std::string>& path;
        std::string_view what;  // "": made before the run, not checked here
    } outputs[] = {{"--report", options_.reportFile, "report"},
                   {"--study", options_.studyFile, "study"},
                   {"--slots", options_.slotsFile, ""}};
    for (std::size_t i = 0; i < std::size(outputs); ++i) {
        if (!outputs[i].path) continue;
        const std::string& path = *outputs[i].path;
        if (const auto input = inputAt(path)) {
            messages_ << "fxmonitor-replay: " << outputs[i].option << " " << path
                      << " would overwrite the input file " << *input << '\n';
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (outputs[j].path && sameFile(path, *outputs[j].path)) {
                messages_ << "fxmonitor-replay: " << outputs[j].option << " and "
                          << outputs[i].option << " name the same file " << path << '\n';
                return false;
            }
        }
        if (!outputs[i].what.empty() && !reportFileCanBeMade(path)) {
            messages_ << "fxmonitor-replay: " << path << ": the " << outputs[i].what
                      << " file cannot be created\n";
            return false;
        }
    }
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
