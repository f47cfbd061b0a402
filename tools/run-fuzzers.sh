#!/bin/sh
# Runs every fuzz target of the fuzz preset's build for SECONDS each (default 60), from
# its committed seed corpus in fuzz/corpus/TARGET plus what earlier runs found, kept in
# build/fuzz/work/TARGET. A finding makes the script fail; the input that
# caused it is in build/fuzz/artifacts/TARGET/. Each clean run is added to
# build/fuzz/clean-runs.txt, which tells how long each target has run without a finding.
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$here/build/fuzz"
record="$build/clean-runs.txt"
status=0
for target in parse_number read_line history_file realtime ticks_file import_export engine; do
  program="$build/fuzz/${target}_fuzzer"
  if [ ! -x "$program" ]; then
    echo "run-fuzzers: $program is missing; build the fuzz preset first" >&2
    exit 2
  fi
  work="$build/work/$target"
  artifacts="$build/artifacts/$target/"
  log="$build/logs/$target.log"
  mkdir -p "$work" "$artifacts" "$(dirname "$log")"
  # Longer inputs for the line readers, so lines cross their 4 KiB buffer fills.
  case $target in
    read_line|history_file) max_len=8192 ;;
    *) max_len=4096 ;;
  esac
  # A target's dictionary (fuzz/TARGET.dict) gives the words its inputs are made of.
  dict=""
  [ -f "$here/fuzz/$target.dict" ] && dict="-dict=$here/fuzz/$target.dict"
  if "$program" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
       -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts" $dict \
       "$work" "$here/fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$(date -u +%Y-%m-%dT%H:%M:%SZ) $target $seconds $runs" >>"$record"
    # Seconds since the target's last finding.
    total=$(awk -v t="$target" '$2 == t { s = ($3 == "finding") ? 0 : s + $3 } END { print s + 0 }' "$record")
    echo "fuzz $target: ${seconds} s, ${runs} inputs, no finding (${total} s in all)"
  else
    echo "$(date -u +%Y-%m-%dT%H:%M:%SZ) $target finding" >>"$record"
    echo "fuzz $target: FINDING; see $log and $artifacts" >&2
    tail -40 "$log" >&2
    status=1
  fi
done
exit $status
