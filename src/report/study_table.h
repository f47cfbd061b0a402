#pragma once
// The alert study's table as text: one row per subject, horizon and direction, the same
// figures in the CSV file and on the report's page.

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "report/alert_study.h"

namespace fx {

inline constexpr int studyFigureCount = 7;

// "alerts", "valued", "mean", "median", "above_0_pct", "best", "worst": the pips of a
// basket, the mean, the median and the percentage above 0 with one decimal; "" where
// nothing was valued.
std::array<std::string, studyFigureCount> figureTexts(const StudyFigures& figures);
// The minutes of a horizon, or "end".
std::string horizonText(const AlertStudy& study, int horizon);
std::string_view directionText(TradeDirection direction);

// The whole CSV file: a header, then a row per figures(). `subjectWords` name the
// subjects in the first column.
std::string studyCsv(const AlertStudy& study,
                     std::span<const std::string_view, studySubjectCount> subjectWords);

}  // namespace fx
