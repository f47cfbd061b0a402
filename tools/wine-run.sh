#!/bin/sh
# Runs a Windows test program under wine64 with one Wine prefix per build folder.
# CTest uses it as the emulator of the win64 build.
here=$(cd "$(dirname "$0")/.." && pwd)
: "${WINEPREFIX:=$here/build/win64/wineprefix}"
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
