#!/bin/sh
# Runs the win64 build's tests under wine64, on a virtual X display when there is none.
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "$DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build="$here/build/win64"
. "$here/tools/wine-prefix.sh"
# Without a window manager, Wine waits about two seconds whenever it hides or destroys a
# managed window; unmanaged windows keep the GUI tests fast.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
cd "$here" && ctest --preset win64 "$@"
status=$?
wineserver -k 2>/dev/null
exit $status
