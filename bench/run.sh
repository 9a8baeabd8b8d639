#!/usr/bin/env bash
# Builds roman in Release and measures it: the microbenchmarks, write(2)
# calls per line, instructions and peak memory of a whole run, and wall time
# against a C program that only writes the same lines.
# tools/setup.sh bench installs what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
roman="$build/roman"

echo "== Microbenchmarks"
"$build/bench/roman_bench" --benchmark_min_time=0.5

echo
echo "== Counts (bench/check.sh, which CI runs too)"
bench/check.sh "$roman"

for range in 0:9999 1:3999; do
  name=${range/:/-}
  # The floor: roman's own lines, compiled in, one write(2) each.
  "$roman" "$range" | sed 's/.*/"&\\n"/' >"$build/lines-$name.h"
  cc -O2 -DLINES="\"lines-$name.h\"" -I "$build" bench/baseline.c \
    -o "$build/floor-$name"
  cmp <("$build/floor-$name") <("$roman" "$range")
  echo
  echo "== Wall time: hyperfine -N, $roman $range against the floor"
  hyperfine -N --warmup 100 --runs 1000 --style basic \
    "$roman $range" "$build/floor-$name"
done
