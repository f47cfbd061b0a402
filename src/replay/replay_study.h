#pragma once
// The replay's side of the alert study: a basket for every alert row the log receives and
// for every basket the user opens, at the prices the trade simulator would take, then
// every tick's prices for valuing them.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/monitor.h"
#include "report/alert_study.h"

namespace fx {

class ReplayStudy {
public:
    ReplayStudy(const Monitor& monitor, std::vector<int> horizonMinutes);

    // After a real-time tick's ranking.
    void ticked() { study_.priced(monitor_.clock.now(), monitor_.prices.currentPrice); }
    // A row the log received.
    void logged(std::string_view description);
    // After an action of the ticks file had its effect.
    void acted();
    // At the session's end; nothing may be added after it.
    const AlertStudy& finish();

    // The study's subjects as the CSV names them and the page's ids: --alert's words for
    // the rules, then "baskets".
    static const std::array<std::string_view, studySubjectCount>& subjectWords();
    // The CSV file's text; after finish().
    std::string csv() const;

private:
    const Monitor& monitor_;
    AlertStudy study_;
    int tradeState_;
};

}  // namespace fx
