#!/bin/sh
# Installs, with apt-get, whatever a fresh Debian machine lacks to build and test
# fxmonitor, and the packages named as arguments (what one target alone needs). Does
# nothing when everything is there. With --wine32 it also installs the 32-bit Wine
# (wine32:i386) that runs the 32-bit build, where this machine runs 32-bit programs at all.
set -e
here=$(cd "$(dirname "$0")/.." && pwd)
# fonts-liberation: an Arial-metric face for the control font; fonts-wine: Marlett,
# the caption buttons' glyphs.
packages="cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine wine64 fonts-wine fonts-liberation xvfb xauth x11-utils imagemagick python3
  chromium fonts-dejavu-core"
foreign=""
for argument in "$@"; do
  if [ "$argument" = --wine32 ]; then
    if sh "$here/tools/runs-32bit.sh" >/dev/null; then
      packages="$packages wine32:i386"
      dpkg --print-foreign-architectures | grep -qx i386 || foreign=i386
    fi
  else
    packages="$packages $argument"
  fi
done
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
export DEBIAN_FRONTEND=noninteractive
[ -n "$foreign" ] && $sudo dpkg --add-architecture "$foreign"
# Another install may hold the package lock for a while: wait for it rather than fail.
# Some machines keep apt's unprivileged download user from running gpgv ("gpgv ... required
# for verification, but neither seems installed"); as root, apt may verify as root.
apt="$sudo apt-get -o DPkg::Lock::Timeout=600 -o APT::Sandbox::User=root"
$apt update -qq
$apt install -y -qq --no-install-recommends $missing
