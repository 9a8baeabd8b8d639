#!/usr/bin/env bash
# Runs a workflow preset of CMakePresets.json (configure, build, and test
# where it has tests) with its output in build-NAME.log; prints the tests
# skipped and CTest's summary, or the whole log when a step fails. Each
# further argument is a text the log must hold.
# Usage: .ci/workflow.sh NAME [TEXT...]
set -euo pipefail
log=build-$1${ROMAN_TARGET:+-$ROMAN_TARGET}.log
if ! cmake --workflow --preset "$1" >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
for text in "${@:2}"; do
  grep -F "$text" "$log" || { echo "$log does not say: $text" >&2; exit 1; }
done
grep -F 'Tests skipped' "$log" || true
sed -n "/tests passed/,\$p" "$log"
grep -q 'tests passed' "$log" || echo "$1: configured and built"
