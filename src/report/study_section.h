#pragma once
// The alert study's part of the report: what the figures are, a table and a chart per
// subject (the four rules, then the user's baskets), and the horizon the charts show,
// which the reader picks.

#include <array>
#include <string>
#include <string_view>

#include "report/alert_study.h"
#include "report/page_text.h"

namespace fx {

struct StudyPageText {
    // Each subject's word, making the ids of its table and chart ("study-anchor").
    std::array<std::string_view, studySubjectCount> subjectWords{};
    std::string note;  // about the session's ticks, said beside the study; "" for none
};

void writeStudySection(Page& page, const AlertStudy& study, const StudyPageText& text);
// The study's data for the page's script, a member of its `report` object: per subject
// its chart's id, the baskets' times from `t0` and their pips by horizon, null where
// a basket was not valued.
void writeStudyData(Page& page, const AlertStudy& study, const StudyPageText& text, long long t0);

}  // namespace fx
