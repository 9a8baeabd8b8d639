#!/usr/bin/env bash
# The hardening check refuses a roman built without fortification, and one
# built without PIE, each for that reason.
# Usage: .ci/unhardened.sh DIR   (where the two builds go)
set -euo pipefail
source tools/common.sh
for bad in "no fortified call:-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=0" \
    "not PIE:-DROMAN_HARDEN=OFF -DCMAKE_CXX_FLAGS=-fno-pie -DCMAKE_EXE_LINKER_FLAGS=-no-pie"; do
  build=$1/${bad%% *}
  # shellcheck disable=SC2086  # the flags are several words
  cmake -S . -B "$build" -DBUILD_TESTING=OFF ${bad#*:} >/dev/null
  cmake --build "$build" --target roman >/dev/null
  if said=$(.ci/hardened.sh "$build/roman" "$build" 2>&1); then
    fault "the hardening check passes a roman with ${bad#*:}"
  fi
  grep -F "${bad%%:*}" <<<"$said" || fault "for ${bad#*:} it said: $said"
done
