#!/bin/sh
# Whether this machine runs 32-bit x86 programs, found out by running one: a 96-byte
# static i386 Linux program, written here byte by byte, that only exits with status 42.
# Exit status 0 when it ran; otherwise 1, with the reason on standard output.
folder=$(mktemp -d "${TMPDIR:-/tmp}/fx32.XXXXXX") || { echo "no temporary folder"; exit 1; }
program="$folder/exit42"
trap 'rm -rf "$folder"' EXIT
{
  # ELF header: 32-bit, little-endian, an executable for the 386, entry 0x08048054,
  # one program header straight after the header.
  printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000'
  printf '\002\000\003\000\001\000\000\000\124\200\004\010'
  printf '\064\000\000\000\000\000\000\000\000\000\000\000'
  printf '\064\000\040\000\001\000\000\000\000\000\000\000'
  # The one segment: the whole file, loaded at 0x08048000, readable and executable.
  printf '\001\000\000\000\000\000\000\000\000\200\004\010\000\200\004\010'
  printf '\140\000\000\000\140\000\000\000\005\000\000\000\000\020\000\000'
  # mov ebx, 42; mov eax, 1 (exit); int 0x80
  printf '\273\052\000\000\000\270\001\000\000\000\315\200'
} >"$program"
chmod +x "$program"
why=$("$program" 2>&1)
status=$?
[ $status -eq 42 ] && exit 0
case $why in
  *"format error"*|*"cannot execute"*) echo "its kernel does not run 32-bit programs (a tiny i386 program gave: exec format error)" ;;
  *) echo "a tiny i386 program did not run (exit status $status${why:+: $why})" ;;
esac
exit 1
