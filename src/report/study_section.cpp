#include "report/study_section.h"

#include "report/study_table.h"

namespace fx {

namespace {

constexpr std::string_view figureHeadings[studyFigureCount] = {
    "Alerts", "Valued", "Mean", "Median", "Above 0 (%)", "Best", "Worst"};

std::string_view subjectTitle(int subject) {
    return subject < alertRuleCount ? ruleTitles[subject] : "Your baskets";
}

void writeTable(Page& page, const AlertStudy& study, const std::vector<StudyFigures>& figures,
                int subject, std::string_view word) {
    page.raw("<h3>").text(subjectTitle(subject)).raw("</h3>\n<div class=\"study-row\">\n");
    page.raw("<table class=\"grid study\" id=\"study-").text(word).raw("\">\n<thead><tr>");
    page.raw("<th>After (min)</th><th>Direction</th>");
    for (std::string_view heading : figureHeadings) {
        const bool baskets = subject == userBaskets && heading == figureHeadings[0];
        page.raw("<th>").text(baskets ? "Baskets" : heading).raw("</th>");
    }
    page.raw("</tr></thead>\n<tbody>\n");
    for (const StudyFigures& row : figures) {
        if (row.subject != subject) continue;
        page.raw("<tr><td>").text(horizonText(study, row.horizon)).raw("</td><td>");
        page.text(directionText(row.direction)).raw("</td>");
        for (const std::string& text : figureTexts(row))
            page.raw("<td>").text(text.empty() ? "n/a" : text).raw("</td>");
        page.raw("</tr>\n");
    }
    page.raw("</tbody></table>\n<div class=\"chart\" id=\"study-").text(word);
    page.raw("-chart\"></div>\n</div>\n");
}

void writeOutcomes(Page& page, const AlertStudy& study, int subject, TradeDirection direction) {
    const int horizons = static_cast<int>(study.horizons().size()) + 1;
    page.raw("[");
    for (int h = 0; h < horizons; ++h) {
        page.raw(h ? ",[" : "[");
        bool first = true;
        for (std::size_t b = 0; b < study.baskets().size(); ++b) {
            if (study.baskets()[b].subject != subject) continue;
            page.raw(first ? "" : ",");
            first = false;
            const int pips = study.outcome(b, h, direction);
            if (pips == AlertStudy::notValued)
                page.raw("null");
            else
                page.number(pips);
        }
        page.raw("]");
    }
    page.raw("]");
}

}  // namespace

void writeStudySection(Page& page, const AlertStudy& study, const StudyPageText& text) {
    std::string minutes;
    for (std::size_t h = 0; h < study.horizons().size(); ++h)
        minutes += (h == 0 ? "" : h + 1 == study.horizons().size() ? " or " : ", ") +
                   std::to_string(study.horizons()[h]);
    page.raw("<section id=\"study\">\n<h2>What a basket opened at each alert made</h2>\n");
    page.raw("<p class=\"lead\">Each figure is the pips a BUY or a SELL basket of all fourteen "
             "pairs, opened at the alert row's tick at that tick's prices, shows when the trade "
             "simulator values it at the first tick ");
    page.text(minutes).raw(" minutes of session time later (n/a where the session ended "
                           "sooner) and at the session's last tick; no costs, no spread. Your "
                           "baskets are valued the same way from their own entry prices, "
                           "closed or not.</p>\n");
    if (!text.note.empty()) page.raw("<p class=\"note\">").text(text.note).raw("</p>\n");
    page.raw("<p><label>The charts show the pips <select id=\"study-horizon\">\n");
    for (std::size_t h = 0; h <= study.horizons().size(); ++h) {
        page.raw("<option value=\"").number(static_cast<long long>(h)).raw("\">");
        if (h < study.horizons().size())
            page.raw("after ").number(study.horizons()[h]).raw(" minutes");
        else
            page.raw("at the session's end");
        page.raw("</option>\n");
    }
    page.raw("</select></label></p>\n");
    const std::vector<StudyFigures> figures = study.figures();
    for (int subject = 0; subject < studySubjectCount; ++subject)
        writeTable(page, study, figures, subject, text.subjectWords[subject]);
    page.raw("</section>\n");
}

void writeStudyData(Page& page, const AlertStudy& study, const StudyPageText& text, long long t0) {
    page.raw("study: [");
    for (int subject = 0; subject < studySubjectCount; ++subject) {
        page.raw(subject ? ",\n{chart: " : "{chart: ");
        page.string("study-" + std::string(text.subjectWords[subject]) + "-chart");
        page.raw(", times: [");
        bool first = true;
        for (const AlertStudy::Basket& basket : study.baskets()) {
            if (basket.subject != subject) continue;
            page.raw(first ? "" : ",").number(basket.time - t0);
            first = false;
        }
        page.raw("],\nbuy: ");
        writeOutcomes(page, study, subject, TradeDirection::Buy);
        page.raw(",\nsell: ");
        writeOutcomes(page, study, subject, TradeDirection::Sell);
        page.raw("}");
    }
    page.raw("]");
}

}  // namespace fx
