#!/usr/bin/env python3
"""Writes sample/ticks.csv: a scripted session for `make replay`.

Prices are set so that each pair moves a chosen number of pips from its price on the
reference day (05-29-2025), passing through keyframes: the buy group ahead and perfectly
grouped, a swing that puts the sell group on top (anchors displaced by opposing pairs, the
reference bias flipping negative, GBPUSD reaching slot 1, the pairs grouped again), then
back. A buy basket is opened early and closed near the end. The pairs are moved one by
one, so the crosses do not follow their legs: this is a script, not market data.

Usage: tools/replay/make_sample_ticks.py [SAMPLE_DIR]   (default: sample)
"""

import random
import sys
from pathlib import Path

REFERENCE_DATE = "05-29-2025"
# v17b's PairTable order, the header's order.
PAIRS = ["GBPUSD", "EURGBP", "GBPJPY", "NZDJPY", "CADJPY", "AUDJPY", "EURJPY",
         "EURUSD", "USDJPY", "AUDUSD", "NZDUSD", "GBPCHF", "CHFJPY", "EURCHF"]
BUY_GROUP = ["CADJPY", "AUDUSD", "USDJPY", "EURUSD", "EURCHF", "GBPJPY", "NZDUSD"]
SELL_GROUP = ["GBPUSD", "EURGBP", "GBPCHF", "CHFJPY", "AUDJPY", "EURJPY", "NZDJPY"]

# tick: pip moves of the buy group, then of the sell group, in the order above.
KEYFRAMES = [
    (0, [3, -2, 5, 1, -4, 2, -1], [4, -3, 1, -2, 0, 2, -5]),
    (20, [40, 35, 30, 45, 25, 50, 20], [-10, -15, -5, -20, -12, -8, -18]),
    (40, [10, 5, 0, 15, -5, 20, -10], [5, 10, 0, -5, 8, 12, 3]),
    (70, [-20, -25, -30, -15, -35, -10, -40], [60, 45, 50, 30, 55, 40, 35]),
    (100, [30, 20, 25, 35, 15, 40, 10], [-5, 0, -10, 5, -15, -20, 0]),
    (129, [32, 18, 27, 33, 17, 38, 12], [-6, 1, -9, 4, -14, -21, 1]),
]
BUY_AFTER_TICK = 5
CLOSE_AFTER_TICK = 125


def reference_prices(sample):
    prices = {}
    for symbol in PAIRS:
        for line in (sample / f"{symbol}.csv").read_text().splitlines():
            if line.startswith(REFERENCE_DATE):
                prices[symbol] = float(line[11:])
    return prices


def moves_at(tick):
    for (t0, buy0, sell0), (t1, buy1, sell1) in zip(KEYFRAMES, KEYFRAMES[1:]):
        if t0 <= tick <= t1:
            share = (tick - t0) / (t1 - t0)
            mix = lambda a, b: [x + (y - x) * share for x, y in zip(a, b)]
            return dict(zip(BUY_GROUP + SELL_GROUP, mix(buy0, buy1) + mix(sell0, sell1)))
    raise ValueError(tick)


def price_text(symbol, reference, pips, noise):
    factor = 100 if symbol.endswith("JPY") else 10000
    # A buy-group pair's move is its rise; a sell-group pair's move is its fall.
    sign = 1 if symbol in BUY_GROUP else -1
    price = reference + sign * (pips + noise) / factor
    return f"{price:.3f}" if factor == 100 else f"{price:.5f}"


def main():
    sample = Path(sys.argv[1] if len(sys.argv) > 1 else "sample")
    reference = reference_prices(sample)
    noise = random.Random(20250602)
    lines = [
        "# A scripted session over the sample data, for `make replay` (made by",
        "# tools/replay/make_sample_ticks.py). Run with all four alerts on:",
        "#   fxmonitor-replay --data sample --alert anchor --alert bias --alert grouped \\",
        "#       --alert slot=GBPUSD:1 sample/ticks.csv",
        "time," + ",".join(PAIRS),
        f"!reference {REFERENCE_DATE}",
        "!interval 1",
    ]
    last = KEYFRAMES[-1][0]
    for tick in range(last + 1):
        seconds = 9 * 3600 + 30 * 60 + tick
        time = f"06-02-2025 {seconds // 3600:02d}:{seconds // 60 % 60:02d}:{seconds % 60:02d}"
        moves = moves_at(tick)
        fields = [price_text(s, reference[s], moves[s], noise.uniform(-1.5, 1.5)) for s in PAIRS]
        lines.append(time + "," + ",".join(fields))
        if tick == BUY_AFTER_TICK:
            lines.append("!buy")
        if tick == CLOSE_AFTER_TICK:
            lines.append("!close")
    (sample / "ticks.csv").write_text("\n".join(lines) + "\n", newline="\n")


if __name__ == "__main__":
    main()
