#!/bin/sh
# Installs, with apt-get, whatever a fresh Debian machine lacks to build and test
# fxmonitor. Does nothing when everything is there.
set -e
packages="cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 xvfb xauth x11-utils imagemagick python3 chromium fonts-dejavu-core"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
# Another install may hold the package lock for a while: wait for it rather than fail.
apt="$sudo apt-get -o DPkg::Lock::Timeout=600"
$apt update -qq
$apt install -y -qq --no-install-recommends $missing
