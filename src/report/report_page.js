// The session report's charts: the data fxmonitor-replay wrote into `report`, shaped
// into the series uPlot draws. Times are seconds on the session's own clock, shown as
// the monitor logged them (no time zone is applied).
(function () {
    "use strict";
    const r = report;
    const axisColour = "#cfcfcf";
    const gridColour = "rgba(255,255,255,0.09)";
    // Seven dash patterns, so that the seven pairs of one group colour can be told apart.
    const dashes = [[], [8, 4], [2, 3], [10, 3, 2, 3], [4, 4], [1, 6], [14, 5]];
    const charts = [];
    const onSessionClock = (ts) => uPlot.tzDate(new Date(ts * 1e3), "Etc/UTC");
    // The monitor's own forms: MM-DD-YYYY and a 24-hour clock.
    const dayText = uPlot.fmtDate("{MM}-{DD}-{YYYY}");
    const clockText = uPlot.fmtDate("{HH}:{mm}:{ss}");
    const stampText = (ts) => dayText(onSessionClock(ts)) + " " + clockText(onSessionClock(ts));

    function pairColour(k) {
        return r.buyGroup[k] ? r.colours.buy : r.colours.sell;
    }

    function pairDash(k) {
        let inGroup = 0;
        for (let j = 0; j < k; ++j) if (r.buyGroup[j] === r.buyGroup[k]) ++inGroup;
        return dashes[inGroup % dashes.length];
    }

    // Joins event times to the samples' times: the samples' series get null where only
    // an event stands, and each event series its value where its events stand, with
    // the texts the legend shows at that point.
    function timeline(times, columns, eventSeries) {
        const entries = [];
        times.forEach((t, i) => entries.push({ t, sample: i }));
        eventSeries.forEach((events, s) =>
            events.forEach((e) => entries.push({ t: e.t, event: s, y: e.y, text: e.text })));
        entries.sort((a, b) => a.t - b.t || (a.sample === undefined) - (b.sample === undefined));
        const x = [];
        const data = columns.map(() => []);
        const marks = eventSeries.map(() => []);
        const texts = eventSeries.map(() => []);
        function newPoint(t) {
            x.push(t + r.t0);
            data.forEach((column) => column.push(null));
            marks.forEach((column) => column.push(null));
            texts.forEach((column) => column.push(""));
        }
        for (const e of entries) {
            if (e.sample !== undefined) {
                newPoint(e.t);
                columns.forEach((column, c) => (data[c][x.length - 1] = column[e.sample]));
                continue;
            }
            if (x.length === 0 || x[x.length - 1] !== e.t + r.t0) newPoint(e.t);
            const i = x.length - 1;
            marks[e.event][i] = e.y;
            texts[e.event][i] = texts[e.event][i] ? texts[e.event][i] + " / " + e.text : e.text;
        }
        return { x, data, marks, texts };
    }

    function lineSeries(label, stroke, extra) {
        return Object.assign({ label, stroke, width: 1.5, spanGaps: true }, extra);
    }

    function markSeries(label, colour, texts) {
        return {
            label,
            stroke: colour,
            fill: colour,
            paths: () => null,
            points: { show: true, size: 9, width: 1, stroke: colour, fill: colour },
            value: (u, v, s, i) => (i == null || v == null ? "" : texts[i]),
        };
    }

    function axes(yOptions) {
        const common = { stroke: axisColour, grid: { stroke: gridColour }, ticks: { stroke: gridColour } };
        // The date stands under the first time of each day; a date needs some 90 pixels.
        const time = {
            space: 90,
            values: (u, splits, axis, space, step) =>
                splits.map((v, i) => {
                    if (v == null) return "";
                    const day = dayText(onSessionClock(v));
                    if (step >= 86400) return day;
                    const sameDay = i > 0 && splits[i - 1] != null && dayText(onSessionClock(splits[i - 1])) === day;
                    return clockText(onSessionClock(v)) + (sameDay ? "" : "\n" + day);
                }),
        };
        return [Object.assign(time, common), Object.assign({ size: 60 }, common, yOptions || {})];
    }

    function chartWidth(element) {
        return Math.max(480, element.clientWidth);
    }

    function draw(id, series, data, options) {
        const element = document.getElementById(id);
        const chart = new uPlot(
            Object.assign(
                {
                    width: chartWidth(element),
                    height: 300,
                    tzDate: onSessionClock,
                    cursor: { sync: { key: "session" } },
                    series: [{ label: "Time", value: (u, v) => (v == null ? "--" : stampText(v)) }].concat(series),
                    axes: axes(),
                },
                options || {}
            ),
            data,
            element
        );
        charts.push({ chart, element });
        return chart;
    }

    function pairSeries(extra) {
        return r.pairs.map((pair, k) =>
            lineSeries(pair, pairColour(k), Object.assign({ dash: pairDash(k) }, extra || {})));
    }


    // 1. Each pair's move against the reference day, and the changes of reference day.
    {
        const references = r.references.map(([t, date]) => ({ t, y: 0, text: "New reference day " + date }));
        const line = timeline(r.times, r.moves, [references]);
        draw(
            "moves-chart",
            pairSeries().concat([markSeries("Reference day", "#ffffff", line.texts[0])]),
            [line.x].concat(line.data, [line.marks[0]])
        );
    }

    // 2. The five measures.
    {
        const colours = [r.colours.buy, r.colours.sell, "#6fb7ff", "#ffb347", "#c59bff"];
        const line = timeline(r.times, r.measures, []);
        draw(
            "measures-chart",
            r.measureNames.map((name, m) => lineSeries(name, colours[m])),
            [line.x].concat(line.data)
        );
    }

    // 3. Which pair held each slot: one step line per pair, slot 1 at the top; the
    //    anchors marked where they were taken.
    {
        const top = [];
        const bottom = [];
        for (const [t, isTop, pair] of r.anchors)
            (isTop ? top : bottom).push({ t, y: isTop ? 1 : r.pairs.length, text: r.pairs[pair] });
        const line = timeline(r.times, r.slots, [top, bottom]);
        const slots = r.pairs.map((_, s) => s + 1);
        draw(
            "slots-chart",
            pairSeries({ paths: uPlot.paths.stepped({ align: 1 }) }).concat([
                markSeries("Top anchor", r.colours.up, line.texts[0]),
                markSeries("Bottom anchor", r.colours.down, line.texts[1]),
            ]),
            [line.x].concat(line.data, line.marks),
            {
                height: 380,
                scales: { y: { range: [0.5, r.pairs.length + 0.5], dir: -1 } },
                axes: axes({ splits: () => slots, values: (u, values) => values.map((v) => "slot " + v) }),
            }
        );
    }

    // 4. Every alert row, one line of marks per rule, across the whole session.
    {
        const byRule = r.ruleNames.map(() => []);
        for (const [t, rule, text] of r.alerts) byRule[rule - 1].push({ t, y: rule, text: r.alertTexts[text] });
        const span = [{ t: r.first, y: null, text: "" }, { t: r.last, y: null, text: "" }];
        const line = timeline([], [], byRule.concat([span]));
        const colours = ["#ff8c42", "#6fb7ff", "#7dff9a", "#ffe066"];
        const rules = r.ruleNames.map((_, k) => k + 1);
        draw(
            "alerts-chart",
            r.ruleNames.map((name, k) => markSeries(name, colours[k], line.texts[k])),
            [line.x].concat(line.marks.slice(0, r.ruleNames.length)),
            {
                height: 220,
                scales: { y: { range: [0.5, r.ruleNames.length + 0.5], dir: -1 } },
                axes: axes({ size: 150, splits: () => rules, values: (u, values) => values.map((v) => r.ruleNames[v - 1] || "") }),
            }
        );
    }

    // 5. The running pips of each open basket (a gap where none is open).
    {
        const line = timeline(r.times, [r.pips], []);
        draw("baskets-chart", [lineSeries("Basket pips", "#ffd700", { spanGaps: false, width: 2 })], [line.x].concat(line.data));
    }

    // 6. The alert study: per rule, and for the user's baskets, each basket's pips at the
    //    horizon the reader picks, at the time it was opened.
    {
        const select = document.getElementById("study-horizon");
        const span = { x: { range: [r.t0 + r.first, r.t0 + Math.max(r.last, r.first + 1)] } };
        const points = (label, colour) => ({
            label,
            stroke: colour,
            fill: colour,
            paths: () => null,
            points: { show: true, size: 7, width: 1, stroke: colour, fill: colour },
        });
        const shown = r.study.map((subject) => {
            const data = (h) => [subject.times.map((t) => t + r.t0), subject.buy[h], subject.sell[h]];
            const chart = draw(
                subject.chart,
                [points("BUY (pips)", r.colours.buy), points("SELL (pips)", r.colours.sell)],
                data(+select.value),
                { height: 220, scales: span }
            );
            return { chart, data };
        });
        select.addEventListener("change", () => shown.forEach(({ chart, data }) => chart.setData(data(+select.value))));
    }

    window.addEventListener("resize", () => {
        for (const { chart, element } of charts) chart.setSize({ width: chartWidth(element), height: chart.height });
    });
})();
