#!/bin/sh
# CTest's emulator for the Windows builds: wine-run.sh 64|32 PROGRAM ARGS... runs the
# program with that architecture's Wine loader in that architecture's prefix.
here=$(cd "$(dirname "$0")/.." && pwd)
arch=$1
shift
. "$here/tools/wine-prefix.sh"
exec "$wine" "$@"
