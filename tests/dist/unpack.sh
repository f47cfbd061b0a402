#!/bin/sh
# unpack.sh WIN32_BUILD FOLDER: makes the archive as `make dist` does, into FOLDER, and
# unpacks it into the empty folder FOLDER/unpacked, where the dist tests look.
set -e
rm -rf "$2"
mkdir -p "$2/unpacked"
sh "$(dirname "$0")/../../tools/dist/make-dist.sh" "$1" "$2" >/dev/null
python3 -m zipfile -e "$2"/fxmonitor-*-win32.zip "$2/unpacked"
