#!/usr/bin/env bash
# Runs a workflow preset of CMakePresets.json (configure, build, and test
# where it has tests) with its output in build-NAME.log; prints the tests
# skipped and CTest's summary, or the whole log when a step fails. Each
# further argument is a text the log must hold.
# Usage: .ci/workflow.sh NAME [TEXT...]
set -euo pipefail
source tools/common.sh
log=build-$1${ROMAN_TARGET:+-$ROMAN_TARGET}.log
logged "$log" cmake --workflow --preset "$1"
for text in "${@:2}"; do
  grep -F "$text" "$log" || fault "$log does not say: $text"
done
grep -F 'Tests skipped' "$log" || true
if grep -q 'tests passed' "$log"; then summary "$log"; else echo "$1: configured and built"; fi
