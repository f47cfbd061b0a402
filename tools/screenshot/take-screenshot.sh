#!/bin/sh
# Writes docs/monitor.png: the v17b monitor of the win64 build in a scripted session on
# the sample data (fxmonitor-screenshot), photographed with its title bar and menu.
# Runs on a virtual X display when there is none, inside Wine's virtual desktop, which
# draws the window frames itself. FXMONITOR_WIN64_BUILD names another win64 build folder.
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${FXMONITOR_WIN64_BUILD:-$here/build/win64}
if [ -z "$DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
arch=64
. "$here/tools/wine-prefix.sh"
picture=$(mktemp -d)
trap 'rm -rf "$picture"' EXIT
"$wine" explorer /desktop=fxmonitor,800x600 "$build/bin/fxmonitor-screenshot.exe" \
  "Z:$here/sample" "Z:$picture/monitor.bmp"
wineserver -w
mkdir -p "$here/docs"
convert "$picture/monitor.bmp" "$here/docs/monitor.png"
echo "Wrote docs/monitor.png"
