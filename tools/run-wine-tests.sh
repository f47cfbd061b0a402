#!/bin/sh
# run-wine-tests.sh 64|32 [CTEST ARGS]: runs the win64 or the win32 build's tests under
# Wine, on a virtual X display when there is none. Where this machine cannot run 32-bit
# programs, the 32-bit suite is skipped with one line saying why.
here=$(cd "$(dirname "$0")/.." && pwd)
arch=${1:-64}
[ $# -gt 0 ] && shift
if [ "$arch" = 32 ] && ! why=$(sh "$here/tools/runs-32bit.sh"); then
  echo "32-bit Windows suite skipped: $why."
  exit 0
fi
if [ -z "$DISPLAY" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$arch" "$@"
fi
. "$here/tools/wine-prefix.sh"
# Without a window manager, Wine waits about two seconds whenever it hides or destroys a
# managed window; unmanaged windows keep the GUI tests fast.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
cd "$here" && ctest --preset "win$arch" "$@"
status=$?
wineserver -k 2>/dev/null
exit $status
