#!/usr/bin/env bash
# Builds roman in Release and measures it: the microbenchmarks, write(2)
# calls per line, instructions and peak memory of a whole run, and wall time
# against a C program that only writes the same lines.
# Needs Google Benchmark, strace, valgrind, GNU time and hyperfine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null
roman="$build/roman"

echo "== Microbenchmarks"
"$build/bench/roman_bench" --benchmark_min_time=0.5

echo
echo "== write(2) calls: $roman 0:9999 > /dev/null"
strace -f -c -e trace=write "$roman" 0:9999 2>&1 >/dev/null | grep -E 'calls|total'

echo
echo "== Instructions: valgrind --tool=callgrind $roman 0:9999 > /dev/null"
valgrind --tool=callgrind --callgrind-out-file=/dev/null "$roman" 0:9999 \
  2>&1 >/dev/null | grep -E 'Collected'

echo
echo "== Peak resident memory: /usr/bin/time -v $roman 0:9999 > /dev/null"
/usr/bin/time -v "$roman" 0:9999 2>&1 >/dev/null | grep 'Maximum resident'

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
