#!/bin/sh
# Builds a preset for a target a user runs (`make run`, `make replay`, ...) without the
# build's chatter: one progress line on stderr, and the whole output of the configure
# and build steps only when they fail or warn, so that no error or warning is hidden.
# Usage: tools/quiet-build.sh PRESET [TARGET...]   (no TARGET: everything)
here=$(cd "$(dirname "$0")/.." && pwd)
preset=$1
shift
log=$(mktemp)
trap 'rm -f "$log"' EXIT
echo "Building $preset${*:+: $*}" >&2
cd "$here" || exit 1
status=0
cmake --preset "$preset" >"$log" 2>&1 || status=$?
if [ "$status" -eq 0 ]; then
  if [ $# -gt 0 ]; then
    cmake --build --preset "$preset" --target "$@" >>"$log" 2>&1 || status=$?
  else
    cmake --build --preset "$preset" >>"$log" 2>&1 || status=$?
  fi
fi
if [ "$status" -ne 0 ] || grep -Eq 'warning:|CMake Warning' "$log"; then
  cat "$log" >&2
fi
exit "$status"
