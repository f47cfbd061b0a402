#!/usr/bin/env python3
"""Writes FOLDER/ticks.csv, the session `make replay` plays, from the folder's real prices.

The session runs through the last DAYS days of the history and on to the real-time
files' day (the weekday after the history's last): each day is TICKS_PER_DAY ticks, stamped from 08:00 to 17:00 of that day,
every pair moving from the day before's price toward the day's own, which the day's
last tick reaches. Every pair moves by the same share of its own change at each tick
(geometrically), so a cross stays its legs' cross. The prices between two days'
rates are made up; the days' own are real. The reference day is REFERENCE_BACK
history rows before the last; a buy basket is opened on the first day and closed on
the last.

Usage: tools/sample/make_ticks.py FOLDER
"""

import sys
from pathlib import Path

# v17b's PairTable order, the header's order.
PAIRS = ["GBPUSD", "EURGBP", "GBPJPY", "NZDJPY", "CADJPY", "AUDJPY", "EURJPY",
         "EURUSD", "USDJPY", "AUDUSD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"]
DAYS = 13
TICKS_PER_DAY = 12
# 11-29-2024 in the sample, the last trading day of November.
REFERENCE_BACK = 14
BUY_AFTER_TICK = 3
SESSION_START = 8 * 3600
SESSION_LENGTH = 9 * 3600


def history(folder, symbol):
    """The history file's (date, price) rows, oldest first."""
    rows = []
    for line in (folder / f"{symbol}.csv").read_text().splitlines():
        rows.append((line[:10], float(line[11:])))
    return rows


def realtime_price(folder, symbol):
    return float((folder / f"{symbol}_RT.csv").read_text().splitlines()[0])


def next_weekday(date):
    """MM-DD-YYYY of the weekday after the date."""
    from datetime import date as day, timedelta
    month, dom, year = (int(part) for part in date.split("-"))
    following = day(year, month, dom) + timedelta(days=1)
    while following.weekday() >= 5:
        following += timedelta(days=1)
    return following.strftime("%m-%d-%Y")


def price_text(symbol, price):
    return f"{price:.3f}" if symbol.endswith("JPY") else f"{price:.5f}"


def write_ticks(folder):
    rows = {symbol: history(folder, symbol) for symbol in PAIRS}
    dates = [date for date, _ in rows["EURUSD"]]
    # The session's days: the last DAYS history days, then the real-time files' day.
    days = dates[-DAYS:] + [next_weekday(dates[-1])]
    prices = {symbol: [price for _, price in rows[symbol][-DAYS:]] + [realtime_price(folder, symbol)]
              for symbol in PAIRS}
    reference = dates[-1 - REFERENCE_BACK]

    lines = [
        "# A session over the sample's last real days, for `make replay` (made by",
        "# tools/sample/make_ticks.py from the sample's files). Each day is "
        f"{TICKS_PER_DAY} ticks moving",
        "# every pair from the day before's reference rate to the day's own.",
        "# Run with all four alerts on:",
        "#   fxmonitor-replay --data sample --alert anchor --alert bias --alert grouped \\",
        "#       --alert slot=GBPJPY:1 sample/ticks.csv",
        "time," + ",".join(PAIRS),
        f"!reference {reference}",
        "!interval 1",
    ]
    tick = 0
    for day in range(1, len(days)):
        for step in range(1, TICKS_PER_DAY + 1):
            share = step / TICKS_PER_DAY
            seconds = SESSION_START + SESSION_LENGTH * step // TICKS_PER_DAY
            time = f"{days[day]} {seconds // 3600:02d}:{seconds // 60 % 60:02d}:{seconds % 60:02d}"
            fields = [price_text(s, prices[s][day - 1] * (prices[s][day] / prices[s][day - 1]) ** share)
                      for s in PAIRS]
            lines.append(time + "," + ",".join(fields))
            tick += 1
            if tick == BUY_AFTER_TICK:
                lines.append("!buy")
    lines.append("!close")
    (folder / "ticks.csv").write_text("\n".join(lines) + "\n", newline="\n")


if __name__ == "__main__":
    write_ticks(Path(sys.argv[1]))
