#!/usr/bin/env bash
# skinpack must give a skin back byte for byte: dump the built-in skin out of
# a program file it was appended to, pack the dump, compare.
set -euo pipefail
skinpack=$1 skin=$2 work=$3
rm -rf "$work" && mkdir -p "$work"
printf 'MZ-stand-in-for-a-program' >"$work/program.exe"
"$skinpack" append "$work/program.exe" "$skin"
"$skinpack" dump --appended "$work/program.exe" "$work/dumped.skin"
"$skinpack" pack "$work/dumped.skin" "$work/repacked.QSK"
cmp "$skin" "$work/repacked.QSK"
# A damaged skin is refused with the failing field named, not appended.
head -c 200 "$skin" >"$work/cut.QSK"
if "$skinpack" append "$work/program.exe" "$work/cut.QSK" 2>"$work/error.txt"; then
  echo "a cut skin was appended" >&2; exit 1
fi
grep -q "ends too early" "$work/error.txt"
