#!/usr/bin/env bash
# Checks that a roman is hardened: a position-independent executable with
# BIND_NOW and RELRO, a stack protector, a fortified libc call in roman's
# own code, and the processor's control-flow marks on every object of
# roman's own (a binary can carry them only where every object does).
# Usage: .ci/hardened.sh BINARY BUILD_DIR   (the tree it was built in)
set -euo pipefail
binary=$1
build=$2
fault() { echo "hardening: $binary: $*" >&2; exit 1; }
header=$(readelf -h "$binary")
grep -q 'DYN (Position-Independent' <<<"$header" || fault "not PIE"
grep -q 'FLAGS.*BIND_NOW' <<<"$(readelf -d "$binary")" || fault "no BIND_NOW"
grep -q GNU_RELRO <<<"$(readelf -lW "$binary")" || fault "no RELRO segment"
grep -q ' __stack_chk_fail' <<<"$(nm "$build/roman")" || fault "no stack protector"
grep -Eq ' __[a-z]+_chk' <<<"$(nm -u "$build/libroman_cli.a")" ||
  fault "no fortified call in roman's own code"
case $header in
  *X86-64*) mark='x86 feature: IBT, SHSTK' ;;
  *AArch64*) mark='AArch64 feature: BTI, PAC' ;;
  *) fault "no control-flow mark known for its processor" ;;
esac
for object in "$build/libroman_core.a" "$build/libroman_cli.a" \
    "$build/CMakeFiles/roman.dir/src/cli/main.cc.o"; do
  objects=1
  [[ $object == *.a ]] && objects=$(ar t "$object" | wc -l)
  marked=$(readelf -n "$object" | grep -c "$mark" || true)
  [ "$marked" -eq "$objects" ] ||
    fault "$object: $marked of $objects objects have $mark"
done
echo "$binary: PIE, BIND_NOW, RELRO, stack protector, fortified; objects $mark"
