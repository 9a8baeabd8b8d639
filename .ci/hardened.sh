#!/usr/bin/env bash
# Checks that a roman is hardened: a position-independent executable with
# BIND_NOW (or, where the C library has no static PIE start-up file, a
# static executable), RELRO, a stack protector, a fortified libc call in
# roman's own code (a __NAME_chk, which __stack_chk_fail is not), and the
# processor's control-flow marks, where it has them, on every object of
# roman's own (a binary can carry them only where every object does).
# --refusals shows it refusing a roman built in BUILD_DIR unfortified, and
# the same objects linked without PIE.
# Usage: .ci/hardened.sh BINARY BUILD_DIR   (the tree it was built in)
#        .ci/hardened.sh --refusals BUILD_DIR
set -euo pipefail
source tools/common.sh
if [ "$1" = --refusals ]; then
  build=$2
  cmake -S . -B "$build" -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=0 >/dev/null
  cmake --build "$build" --target roman >/dev/null
  refuses "no fortified call" -- "$0" "$build/roman" "$build"
  "$(compiler "$build")" -no-pie -o "$build/roman-no-pie" \
    "$build/CMakeFiles/roman.dir/src/cli/main.cc.o" "$build/libroman_cli.a" \
    "$build/libroman_core.a"
  refuses "not PIE" -- "$0" "$build/roman-no-pie" "$build"
  exit
fi
binary=$1 build=$2
header=$(readelf -h "$binary")
if grep -q 'EXEC (Executable' <<<"$header"; then
  ! readelf -lW "$binary" | grep -q INTERP || fault "$binary: not PIE"
  [[ $("$(compiler "$build")" -print-file-name=rcrt1.o) == rcrt1.o ]] ||
    fault "$binary: not PIE, though its compiler can link a static PIE"
  kind="static (no static PIE here)"
else
  grep -q 'DYN (Position-Independent' <<<"$header" || fault "$binary: not PIE"
  grep -q 'FLAGS.*BIND_NOW' <<<"$(readelf -d "$binary")" || fault "$binary: no BIND_NOW"
  kind="PIE, BIND_NOW"
fi
grep -q GNU_RELRO <<<"$(readelf -lW "$binary")" || fault "$binary: no RELRO segment"
grep -q ' __stack_chk_fail' <<<"$(nm "$build/roman")" || fault "$binary: no stack protector"
grep -Eq ' __[a-z0-9_]+_chk$' <<<"$(nm -u "$build/libroman_cli.a")" ||
  fault "$binary: no fortified call in roman's own code"
case $header in
  *X86-64* | *80386*) mark='x86 feature: IBT, SHSTK' ;;
  *AArch64*) mark='AArch64 feature: BTI, PAC' ;;
  *) echo "$binary: $kind, RELRO, stack protector, fortified"; exit 0 ;;
esac
for object in "$build/libroman_core.a" "$build/libroman_cli.a" \
    "$build/CMakeFiles/roman.dir/src/cli/main.cc.o"; do
  objects=1
  [[ $object == *.a ]] && objects=$(ar t "$object" | wc -l)
  marked=$(readelf -n "$object" | grep -c "$mark" || true)
  [ "$marked" -eq "$objects" ] ||
    fault "$binary: $object: $marked of $objects objects have $mark"
done
echo "$binary: $kind, RELRO, stack protector, fortified; objects $mark"
