#!/usr/bin/env bash
# Builds roman in Release, dynamic and static, and measures both: the
# microbenchmarks, bench/check.sh's counts, and with hyperfine whole runs
# against the floor, a C program built the same way that only writes the
# same lines. hyperfine runs one command, then the next, so a change in the
# machine's load can fall on one: run it on a quiet machine. tools/setup.sh
# bench installs what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
dynamic="build-bench/dynamic"
static="build-bench/static"
for build in "$dynamic:OFF" "$static:ON"; do
  cmake -S . -B "${build%:*}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DROMAN_BENCH=ON -DROMAN_STATIC="${build#*:}" >/dev/null
  cmake --build "${build%:*}" -j "$(nproc)" >/dev/null
done

echo "== Microbenchmarks"
"$dynamic/bench/roman_bench" --benchmark_min_time=0.5
echo "== Counts (bench/check.sh, which CI runs too): $dynamic/roman, then $static/roman"
bench/check.sh "$dynamic/roman"
bench/check.sh --static "$static/roman"

compare() { hyperfine -N --style basic --warmup 100 "$@"; }
echo "== Whole runs against the floor; one worker against two"
compare --runs 1000 "$dynamic/roman 0:9999" "$dynamic/bench/floor-0-9999"
compare --runs 1000 "$dynamic/roman 1:3999" "$dynamic/bench/floor-1-3999"
compare --runs 1000 "$dynamic/roman 0:9999" "$dynamic/roman -j 2 0:9999"
echo "== Start-up: one value, static and dynamic, against the static floor"
compare --runs 4000 "$static/roman 3:3" "$dynamic/roman 3:3" "$static/bench/floor-3-3"
compare --runs 300 "$static/roman 0:9999" "$static/bench/floor-0-9999"
echo "== A shell loop of 1000 one-value calls"
loop='for i in $(seq 1000); do "$0" $i:$i; done >/dev/null'
hyperfine --style basic --runs 7 "bash -c '$loop' $static/roman" \
  "bash -c '$loop' $static/bench/floor-3-3"
