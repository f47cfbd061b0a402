#include "report/report_page.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "report/page_text.h"
#include "report/report_assets.h"
#include "report/study_section.h"
#include "text/clock.h"
#include "text/text_file.h"

namespace fx {

namespace {

constexpr const char* measureNames[SessionRecord::measureCount] = {
    "Buy Power", "Sell Power", "Ref. Bias", "Basket Bias", "Anchor Bias"};

std::string colourText(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour),
                  blueOf(colour));
    return text;
}

std::string stampText(const LocalTime& time) { return dateText(time) + " " + timeText(time); }

// "1.6.32" from the "/*! ... (v1.6.32) */" the library's file starts with.
std::string_view uplotVersion() {
    const std::string_view script = report_assets::uplotScript;
    const std::size_t start = script.find("(v");
    const std::size_t end = script.find(')', start);
    if (start == std::string_view::npos || end == std::string_view::npos || end > 200) return "";
    return script.substr(start + 2, end - start - 2);
}

void writeSummary(Page& page, const SessionRecord& record, const ReportSummary& summary) {
    page.raw("<table class=\"summary\" id=\"summary\">\n");
    page.row("Variant", summary.variant);
    page.row("Data folder", summary.dataFolder.empty() ? "the current folder" : summary.dataFolder);
    page.row("Ticks file", summary.ticksFile);
    std::string days;
    for (const TimedText& day : record.referenceDays()) {
        if (!days.empty()) days += "; ";
        days += day.text + " (chosen " + stampText(day.time) + ")";
    }
    page.row("Reference days", days.empty() ? "none chosen: the moves are against row 0" : days);
    page.row("Ticks", std::to_string(record.ticks()));
    page.row("Days", std::to_string(record.tickDays()));
    page.row("Time span", record.firstTick() ? stampText(*record.firstTick()) + " to " +
                                                   stampText(record.lastTick())
                                             : "no tick");
    std::string alerts;
    for (const std::string& alert : summary.alertsOn)
        alerts += (alerts.empty() ? "" : ", ") + alert;
    page.row("Alerts switched on", alerts.empty() ? "none" : alerts);
    if (!record.alertSettings().empty()) {
        std::string changes;
        for (const TimedText& setting : record.alertSettings())
            changes += (changes.empty() ? "" : "; ") + stampText(setting.time) + " " + setting.text;
        page.row("Alerts changed", changes);
    }
    const long long points = static_cast<long long>(record.series().times().size());
    const long long rankings =
        record.ticks() + static_cast<long long>(record.referenceDays().size());
    page.row("Charts", points >= rankings
                           ? "every ranking"
                           : std::to_string(points) + " points per line for " +
                                 std::to_string(rankings) +
                                 " rankings: each interval's lowest and highest values");
    page.raw("</table>\n");
}

void writeAlertDays(Page& page, const SessionRecord& record) {
    page.raw("<table class=\"grid\" id=\"alert-days\">\n<thead><tr><th rowspan=\"2\">Day</th>");
    for (std::string_view title : ruleTitles) page.raw("<th colspan=\"3\">").text(title).raw("</th>");
    page.raw("</tr>\n<tr>");
    for (int r = 0; r < alertRuleCount; ++r) page.raw("<th>rows</th><th>first</th><th>last</th>");
    page.raw("</tr></thead>\n<tbody>\n");
    for (const AlertDay& day : record.alertDays()) {
        page.raw("<tr><td>").raw(dateText(day.date)).raw("</td>");
        for (const RuleTally& tally : day.rules) {
            page.raw("<td class=\"count\">").number(tally.count).raw("</td><td>");
            if (tally.count > 0) page.raw(timeText(tally.first));
            page.raw("</td><td>");
            if (tally.count > 0) page.raw(timeText(tally.last));
            page.raw("</td>");
        }
        page.raw("</tr>\n");
    }
    page.raw("</tbody></table>\n");
    if (record.alerts().empty()) page.raw("<p>No alert fired.</p>\n");
}

void writeBaskets(Page& page, const SessionRecord& record) {
    page.raw(
        "<table class=\"grid\" id=\"baskets\">\n<thead><tr><th>Basket</th><th>Direction</th>"
        "<th>Opened</th><th>Closed</th><th>Result (pips)</th></tr></thead>\n<tbody>\n");
    int number = 0;
    for (const BasketRecord& basket : record.baskets()) {
        page.raw("<tr><td>").number(++number).raw("</td><td>");
        page.raw(basket.direction > 0 ? "BUY" : "SELL").raw("</td><td>").stamp(basket.opened);
        page.raw("</td><td>");
        if (basket.closed)
            page.stamp(*basket.closed);
        else
            page.raw("still open");
        page.raw("</td><td class=\"result\">");
        if (basket.closed)
            page.text(basket.result);
        else if (basket.latestPips)
            page.number(*basket.latestPips).raw(" so far");
        page.raw("</td></tr>\n");
    }
    page.raw("</tbody></table>\n");
    if (record.baskets().empty()) page.raw("<p>No basket was opened.</p>\n");
}

void writeSeries(Page& page, const std::vector<int>& values) {
    page.raw("[");
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) page.raw(",");
        if (values[i] == ReducedSeries::none)
            page.raw("null");
        else
            page.number(values[i]);
    }
    page.raw("]");
}

void writeSeriesGroup(Page& page, const SessionRecord& record, int first, int count) {
    page.raw("[");
    for (int s = first; s < first + count; ++s) {
        if (s > first) page.raw(",\n");
        writeSeries(page, record.series().values()[s]);
    }
    page.raw("]");
}

// The data the page's script hands to the charts. Times are seconds from t0.
void writeData(Page& page, const SessionRecord& record, const ReportSummary& summary,
               const AlertStudy& study) {
    const std::vector<long long>& times = record.series().times();
    const long long t0 = times.empty() ? 0 : times.front();
    const auto at = [&](const LocalTime& time) { return secondsSince1970(time) - t0; };

    page.raw("const report = {\nt0: ").number(t0).raw(",\npairs: [");
    for (int k = 0; k < pairCount; ++k) page.raw(k ? "," : "").string(summary.pairTable[k]);
    page.raw("],\nbuyGroup: [");
    std::array<bool, pairCount> buy{};
    for (int g = 0; g < buyGroupSize; ++g) buy[pairGroupOrder[g]] = true;
    for (int k = 0; k < pairCount; ++k) page.raw(k ? "," : "").raw(buy[k] ? "1" : "0");
    page.raw("],\ncolours: {buy: ").string(colourText(summary.buyGroupColour));
    page.raw(", sell: ").string(colourText(summary.sellGroupColour));
    page.raw(", up: ").string(colourText(summary.upArrowColour));
    page.raw(", down: ").string(colourText(summary.downArrowColour)).raw("},\nmeasureNames: [");
    for (int m = 0; m < SessionRecord::measureCount; ++m)
        page.raw(m ? "," : "").string(measureNames[m]);
    page.raw("],\nruleNames: [");
    for (int r = 0; r < alertRuleCount; ++r) page.raw(r ? "," : "").string(ruleTitles[r]);
    page.raw("],\nfirst: ").number(record.firstTick() ? at(*record.firstTick()) : 0);
    page.raw(", last: ").number(record.firstTick() ? at(record.lastTick()) : 0);

    page.raw(",\ntimes: [");
    for (std::size_t i = 0; i < times.size(); ++i) page.raw(i ? "," : "").number(times[i] - t0);
    page.raw("],\nmoves: ");
    writeSeriesGroup(page, record, SessionRecord::moveSeries, pairCount);
    page.raw(",\nslots: ");
    writeSeriesGroup(page, record, SessionRecord::slotSeries, pairCount);
    page.raw(",\nmeasures: ");
    writeSeriesGroup(page, record, SessionRecord::measureSeries, SessionRecord::measureCount);
    page.raw(",\npips: ");
    writeSeries(page, record.series().values()[SessionRecord::pipsSeries]);

    page.raw(",\nreferences: [");
    bool first = true;
    for (const TimedText& day : record.referenceDays()) {
        page.raw(first ? "" : ",").raw("[").number(at(day.time)).raw(",").string(day.text).raw("]");
        first = false;
    }
    page.raw("],\nanchors: [");
    first = true;
    for (const AnchorChange& change : record.anchorChanges()) {
        page.raw(first ? "" : ",").raw("[").number(at(change.time)).raw(change.top ? ",1," : ",0,");
        page.number(change.pair).raw("]");
        first = false;
    }
    page.raw("],\nalerts: [");
    first = true;
    for (const AlertRow& alert : record.alerts()) {
        page.raw(first ? "" : ",").raw("[").number(at(alert.time)).raw(",").number(alert.rule);
        page.raw(",").number(alert.textIndex).raw("]");
        first = false;
    }
    page.raw("],\nalertTexts: [");
    first = true;
    for (const std::string& text : record.alertTexts()) {
        page.raw(first ? "" : ",").string(text);
        first = false;
    }
    page.raw("],\n");
    writeStudyData(page, study, summary.study, t0);
    page.raw("\n};\n");
}

void writeChart(Page& page, std::string_view id, std::string_view title) {
    page.raw("<h2>")
        .text(title)
        .raw("</h2>\n<div class=\"chart\" id=\"")
        .raw(id)
        .raw("\"></div>\n");
}

}  // namespace

std::string reportPage(const SessionRecord& record, const ReportSummary& summary,
                       const AlertStudy& study) {
    std::string out;
    out.reserve(1 << 20);
    Page page(out);
    page.raw("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>");
    page.text("Session report: " + summary.ticksFile).raw("</title>\n<style>\n");
    page.raw(report_assets::uplotStyle).raw("\n</style>\n<style>\n");
    page.raw(report_assets::pageStyle).raw("</style>\n</head>\n<body>\n");
    page.raw("<h1>Session report</h1>\n<p class=\"lead\">What fxmonitor-");
    page.text(summary.variant).raw(" would have shown over ").text(summary.ticksFile);
    page.raw(", replayed by fxmonitor-replay. Point at a chart to read its values.</p>\n");
    writeSummary(page, record, summary);
    writeChart(page, "moves-chart", "Pair moves against the reference day (pips)");
    writeChart(page, "measures-chart", "The five measures (pips)");
    writeChart(page, "slots-chart", "Slot occupancy, with the anchors");
    writeChart(page, "alerts-chart", "Alerts");
    page.raw("<h3>Alert rows per day</h3>\n");
    writeAlertDays(page, record);
    writeChart(page, "baskets-chart", "Baskets: running pips while open");
    writeBaskets(page, record);
    writeStudySection(page, study, summary.study);

    page.raw("<footer><details><summary>Charts drawn by uPlot ").text(uplotVersion());
    page.raw(" (MIT License)</summary>\n<pre>").text(report_assets::uplotLicense);
    page.raw("</pre></details></footer>\n");
    page.raw("<script>\n").raw(report_assets::uplotScript).raw("\n</script>\n<script>\n");
    writeData(page, record, summary, study);
    page.raw("</script>\n<script>\n").raw(report_assets::pageScript).raw("</script>\n");
    page.raw("</body>\n</html>\n");
    return out;
}

bool writeReportFile(const std::string& path, std::string_view text) {
    OutputTextFile file;
    if (file.create(path)) file.write(text);
    return file.close();
}

bool reportFileCanBeMade(const std::string& path) {
    std::error_code error;
    const bool existed = std::filesystem::exists(path, error);
    if (existed && std::filesystem::is_directory(path, error)) return false;
    // Opened for appending: a file that is there keeps its bytes.
    const bool opened = std::ofstream(path, std::ios::app | std::ios::binary).is_open();
    if (opened && !existed) std::filesystem::remove(path, error);
    return opened;
}

}  // namespace fx
