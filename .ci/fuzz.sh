#!/usr/bin/env bash
# Fuzzes each libFuzzer target of the fuzz preset for a minute, from its
# seed corpus; fails on the first crash, leak or undefined behaviour.
set -euo pipefail
source tools/common.sh
workflow fuzz
for target in check_input read_call; do
  mkdir -p "build-fuzz/found-$target"
  logged "build-fuzz/$target.log" "build-fuzz/fuzz/${target}_fuzzer" \
    -max_total_time=60 -print_final_stats=1 -artifact_prefix=build-fuzz/ \
    "build-fuzz/found-$target" "fuzz/corpus/$target"
done
grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units' build-fuzz/*.log
