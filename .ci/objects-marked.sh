#!/usr/bin/env bash
# Checks that every object of roman's own in a build carries the compiler's
# control-flow protection note (its GNU property), as a static or hardened
# binary can only carry it where every object it links does.
# Usage: .ci/objects-marked.sh BUILD_DIR MARK   (MARK as readelf -n prints it)
set -euo pipefail
build=$1
mark=$2
for object in "$build/libroman_core.a" "$build/libroman_cli.a" \
    "$build/CMakeFiles/roman.dir/src/cli/main.cc.o"; do
  objects=1
  [[ $object == *.a ]] && objects=$(ar t "$object" | wc -l)
  marked=$(readelf -n "$object" | grep -c "$mark" || true)
  if [ "$marked" -ne "$objects" ]; then
    echo "hardening: $object: $marked of $objects objects have $mark" >&2
    exit 1
  fi
done
