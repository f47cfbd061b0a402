#!/bin/sh
# matches_native.sh ARCH WINDOWS_REPLAY NATIVE_REPLAY SOURCE_DIR: the Windows replay
# under Wine prints the same event log and writes the same slots file, byte for byte,
# as the native replay, on the sample session with all four alerts on.
set -e
arch=$1 windows=$2 native=$3 here=$4
[ -x "$native" ] || { echo "$native is missing: build the linux preset first"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
alerts="--alert anchor --alert bias --alert grouped --alert slot=GBPUSD:1"
"$native" --data "$here/sample" $alerts --slots "$work/native.slots" \
  "$here/sample/ticks.csv" >"$work/native.log"
. "$here/tools/wine-prefix.sh"
"$wine" "$windows" --data "Z:$here/sample" $alerts --slots "Z:$work/windows.slots" \
  "Z:$here/sample/ticks.csv" >"$work/windows.log"
cmp "$work/native.log" "$work/windows.log"
cmp "$work/native.slots" "$work/windows.slots"
echo "$(wc -l <"$work/native.log") log rows and $(wc -l <"$work/native.slots") slots rows alike"
