#!/bin/sh
# make bench: every benchmark, once on a quiet machine and once with the other core
# busy (a second benchmark process), then one table of every measure against its
# baseline. Each ratio comes from the fastest of at least five runs of each side.
# The outputs are kept in build/bench/.
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/build/bench"
mkdir -p "$out"
build="$here/build/win64"
linux_bin="$here/build/linux/bin"

# The Win32 cycle runs under wine64, on a virtual X display when there is none.
run_win32() {
    if [ -z "$DISPLAY" ]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" --win32-only
    else
        sh "$0" --win32-only
    fi
}

if [ "$1" = "--win32-only" ]; then
    . "$here/tools/wine-prefix.sh"
    wine "$build/bin/win32_tick_bench.exe"
    status=$?
    wineserver -k 2>/dev/null
    exit $status
fi

run_all() {
    label=$1
    echo "== $label: monitor_bench"
    "$linux_bin/monitor_bench" > "$out/$label-monitor.txt" 2>&1
    grep '^ratio' "$out/$label-monitor.txt"
    echo "== $label: replay_bench"
    "$linux_bin/replay_bench" > "$out/$label-replay.txt" 2>&1
    grep -E '^ratio|^peak|^baseline' "$out/$label-replay.txt"
    echo "== $label: win32_tick_bench (wine64)"
    run_win32 > "$out/$label-win32.txt" 2>&1
    grep -E '^ratio|^win32' "$out/$label-win32.txt"
}

run_all quiet

# The other core kept busy by a second benchmark process for the whole second round.
"$linux_bin/monitor_bench" --benchmark_filter=LoadHistory --benchmark_repetitions=100000 \
    > /dev/null 2>&1 &
load=$!
run_all busy
kill "$load" 2>/dev/null
wait "$load" 2>/dev/null

echo
# The Windows program ends its lines with CR LF.
cat "$out"/quiet-*.txt | grep '^ratio' | tr -d '\r' > "$out/quiet.tsv"
cat "$out"/busy-*.txt | grep '^ratio' | tr -d '\r' > "$out/busy.tsv"
awk -F '\t' '
    FNR == NR { busy[$2] = $4; next }
    BEGIN {
        print "| measure | baseline | ratio, quiet | ratio, busy | goal | quiet | busy |"
        print "|---|---|---|---|---|---|---|"
    }
    {
        # A goal of "-": the ratio is printed for information.
        none = ($5 == "-")
        quiet = none ? "-" : (($4 <= $5) ? "met" : "missed")
        b = ($2 in busy) ? sprintf("%.2fx", busy[$2]) : "-"
        bm = (($2 in busy) && !none) ? ((busy[$2] <= $5) ? "met" : "missed") : "-"
        g = none ? "-" : sprintf("<= %sx", $5)
        printf "| %s | %s | %.2fx | %s | %s | %s | %s |\n", $2, $3, $4, b, g, quiet, bm
    }
' "$out/busy.tsv" "$out/quiet.tsv" | tee "$out/table.md"
