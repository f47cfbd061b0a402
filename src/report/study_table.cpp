#include "report/study_table.h"

#include <charconv>

namespace fx {

namespace {

constexpr std::string_view csvHeader =
    "rule,horizon,direction,alerts,valued,mean,median,above_0_pct,best,worst\n";

// One decimal, a point whatever the locale; never "-0.0".
std::string oneDecimal(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 1);
    std::string result(text, end.ptr);
    return result == "-0.0" ? "0.0" : result;
}

}  // namespace

std::array<std::string, studyFigureCount> figureTexts(const StudyFigures& figures) {
    if (figures.valued == 0)
        return {std::to_string(figures.baskets), "0", "", "", "", "", ""};
    return {std::to_string(figures.baskets),       std::to_string(figures.valued),
            oneDecimal(figures.mean),              oneDecimal(figures.median),
            oneDecimal(100.0 * figures.aboveZero), std::to_string(figures.best),
            std::to_string(figures.worst)};
}

std::string horizonText(const AlertStudy& study, int horizon) {
    const std::vector<int>& minutes = study.horizons();
    return horizon < static_cast<int>(minutes.size()) ? std::to_string(minutes[horizon]) : "end";
}

std::string_view directionText(TradeDirection direction) {
    return direction == TradeDirection::Buy ? "BUY" : "SELL";
}

std::string studyCsv(const AlertStudy& study,
                     std::span<const std::string_view, studySubjectCount> subjectWords) {
    std::string csv(csvHeader);
    for (const StudyFigures& figures : study.figures()) {
        csv += subjectWords[figures.subject];
        csv += ',' + horizonText(study, figures.horizon) + ',';
        csv += directionText(figures.direction);
        for (const std::string& text : figureTexts(figures)) csv += ',' + text;
        csv += '\n';
    }
    return csv;
}

}  // namespace fx
