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
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# The caption buttons are glyphs of Wine's Marlett font, which some Wine packages do not
# load from their own folder; a copy in the prefix's font folder is always found.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
  mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
fi
picture=$(mktemp -d)
trap 'rm -rf "$picture"' EXIT
wine explorer /desktop=fxmonitor,800x600 "$build/bin/fxmonitor-screenshot.exe" \
  "Z:$here/sample" "Z:$picture/monitor.bmp"
wineserver -w
mkdir -p "$here/docs"
convert "$picture/monitor.bmp" "$here/docs/monitor.png"
echo "Wrote docs/monitor.png"
