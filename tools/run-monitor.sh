#!/bin/sh
# `make run`: fxmonitor-17b (the win64 build, under wine64) on the bundled sample data in
# out/run/, with fxfeed keeping the real-time files moving. The monitor reads its history
# from the working folder and its real-time files from its own folder, so both are
# out/run/. With a display the user works the monitor and closing it stops the feed;
# without one a short scripted session runs on a virtual display and leaves a screenshot
# and the saved log in out/.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
out="$here/out"
run="$out/run"
seconds=${RUN_SECONDS:-18}

rm -rf "$run"
mkdir -p "$run"
for file in "$here"/sample/*.csv; do
  [ "$(basename "$file")" = ticks.csv ] || cp "$file" "$run/"
done
cp "$here/build/win64/bin/fxmonitor-17b.exe" "$run/"

build="$here/build/win64"
arch=64

"$here/build/linux/bin/fxfeed" --variant 17b "$run" >/dev/null &
feed=$!
trap 'kill $feed 2>/dev/null; wait $feed 2>/dev/null || true' EXIT INT TERM

if [ -n "$DISPLAY" ]; then
  . "$here/tools/wine-prefix.sh"
  # The tests leave the prefix's windows unmanaged; here the desktop's window manager
  # should frame the monitor.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1
  echo "fxmonitor-17b is running on the sample data in $run; close it to stop."
  (cd "$run" && "$wine" ./fxmonitor-17b.exe)
  exit 0
fi

echo "No display: a ${seconds}-second scripted session on a virtual display."
picture=$(mktemp -d)
rm -f "$out/monitor.png" "$out"/*_*.txt
export build arch here
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  . "$here/tools/wine-prefix.sh"
  "$wine" explorer /desktop=fxmonitor,800x600 "$1" --live "Z:$2" "Z:$3/monitor.bmp" "$4"
  wineserver -w' sh "$build/bin/fxmonitor-screenshot.exe" "$run" "$picture" "$seconds"
convert "$picture/monitor.bmp" "$out/monitor.png"
rm -rf "$picture"
cp "$run"/*_*.txt "$out/" 2>/dev/null || true
log=$(ls "$out"/*_*.txt 2>/dev/null | head -n 1)
echo
if [ -n "$log" ]; then
  echo "The saved event log ($log), newest first:"
  cat "$log"
  echo
fi
echo "Screenshot: $out/monitor.png"
echo "Saved log:  ${log:-none was written}"
echo "Run folder: $run"
