#!/usr/bin/env bash
# Fuzzes each libFuzzer target of the fuzz preset for a minute, from its
# seed corpus; fails on the first crash, leak or undefined behaviour.
set -euo pipefail
.ci/workflow.sh fuzz
for target in check_input read_call; do
  found=build-fuzz/found-$target
  log=build-fuzz/$target.log
  mkdir -p "$found"
  if ! "build-fuzz/fuzz/${target}_fuzzer" -max_total_time=60 \
      -print_final_stats=1 -artifact_prefix=build-fuzz/ \
      "$found" "fuzz/corpus/$target" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzzing $target found a failure" >&2
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units' "$log"
done
