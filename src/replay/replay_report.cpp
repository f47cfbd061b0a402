#include "replay/replay_report.h"

#include <cmath>

#include "monitor/pairs.h"
#include "ranking/alerts.h"
#include "replay/replay_study.h"
#include "report/report_page.h"
#include "text/numbers.h"

namespace fx {

namespace {

// "anchor", ..., "slot=GBPUSD:1", as --alert spells it.
std::string alertText(const AlertSetting& setting, const Variant& variant) {
    std::string text(alertKindWord(setting.rule));
    if (setting.rule == pairInSlot && setting.pair >= 0 && setting.pair < pairCount) {
        text += '=';
        text += variant.pairTable[setting.pair];
        text += ':';
        text += std::to_string(setting.slot);
    }
    return text;
}

}  // namespace

ReplayReport::ReplayReport(const Monitor& monitor)
    : monitor_(monitor), tradeState_(monitor.trade.tradeState) {}

void ReplayReport::ranked(bool tick, std::string_view pipsBox) {
    const RankingState& ranking = monitor_.ranking;
    RankingSample sample;
    sample.time = monitor_.clock.now();
    sample.moves = ranking.pipMove;
    // After a run, a pair's previous slot is the one it was just given.
    sample.slotIndex = ranking.previousSlot;
    sample.buyPower = ranking.buyPower;
    sample.sellPower = ranking.sellPower;
    sample.referenceBias = ranking.referenceBias;
    sample.basketBias = ranking.basketBias;
    sample.anchorBias = ranking.anchorBias;
    sample.topAnchor = pairIndexOf(monitor_.variant, ranking.topAnchorPair);
    sample.bottomAnchor = pairIndexOf(monitor_.variant, ranking.bottomAnchorPair);
    if (monitor_.trade.tradeState != noTrade)
        sample.basketPips = static_cast<int>(std::lround(parseNumber(pipsBox)));
    record_.addRanking(sample, tick);
}

void ReplayReport::referenceDayChosen(std::string_view date) {
    record_.addReferenceDay(monitor_.clock.now(), date);
}

void ReplayReport::acted(const TicksAction& action, std::string_view pipsBox) {
    const LocalTime now = monitor_.clock.now();
    if (action.kind == ActionKind::Alert) record_.addAlertSetting(now, action.text);
    const int state = monitor_.trade.tradeState;
    if (state == tradeState_) return;
    if (state == noTrade)
        record_.closeBasket(now, trimmedBlanks(pipsBox));
    else
        record_.openBasket(now, state);
    tradeState_ = state;
}

void ReplayReport::logged(std::string_view description) {
    if (const auto rule = alertRuleOfLogText(description))
        record_.addAlert(monitor_.clock.now(), *rule, description);
}

bool ReplayReport::write(const std::string& path, const ReplayOptions& options,
                         const AlertStudy& study) {
    record_.finish();
    const ProgramState& state = monitor_.state;
    ReportSummary summary;
    summary.variant = monitor_.variant.name;
    summary.pairTable = monitor_.variant.pairTable;
    summary.dataFolder = options.dataFolder;
    summary.ticksFile = options.ticksFile;
    for (const AlertSetting& alert : options.alerts)
        if (alert.on) summary.alertsOn.push_back(alertText(alert, monitor_.variant));
    summary.buyGroupColour = state.buyGroupColour;
    summary.sellGroupColour = state.sellGroupColour;
    summary.upArrowColour = state.upArrowColour;
    summary.downArrowColour = state.downArrowColour;
    summary.study.subjectWords = ReplayStudy::subjectWords();
    summary.study.note = options.note;
    return writeReportFile(path, reportPage(record_, summary, study));
}

}  // namespace fx
