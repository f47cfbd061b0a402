#include "replay/replay_study.h"

#include "ranking/alerts.h"
#include "replay/ticks_file.h"
#include "report/study_table.h"

namespace fx {

ReplayStudy::ReplayStudy(const Monitor& monitor, std::vector<int> horizonMinutes)
    : monitor_(monitor),
      study_(std::move(horizonMinutes), monitor.variant.pipFactors),
      tradeState_(monitor.trade.tradeState) {}

void ReplayStudy::logged(std::string_view description) {
    // The prices the rows were written at are the ones "Buy" would take now.
    if (const auto rule = alertRuleOfLogText(description))
        study_.openForAlert(monitor_.clock.now(), *rule, monitor_.prices.currentPrice);
}

void ReplayStudy::acted() {
    const int state = monitor_.trade.tradeState;
    if (state != tradeState_ && state != noTrade)
        study_.openForUser(monitor_.clock.now(),
                           state == buyTrade ? TradeDirection::Buy : TradeDirection::Sell,
                           monitor_.trade.entryPrice);
    tradeState_ = state;
}

const AlertStudy& ReplayStudy::finish() {
    study_.finish(monitor_.prices.currentPrice);
    return study_;
}

const std::array<std::string_view, studySubjectCount>& ReplayStudy::subjectWords() {
    static const std::array<std::string_view, studySubjectCount> words = {
        alertKindWord(anchorDisplaced), alertKindWord(referenceBiasFlip),
        alertKindWord(pairsGrouped), alertKindWord(pairInSlot), "baskets"};
    return words;
}

std::string ReplayStudy::csv() const { return studyCsv(study_, subjectWords()); }

}  // namespace fx
