#!/usr/bin/env bash
# Builds roman in Release, as the usual dynamic build and as the static
# release build, and measures them: the microbenchmarks, the counts that
# bench/check.sh guards, wall time against a C program that only writes the
# same lines, and start-up against that program built the same way.
# tools/setup.sh bench installs what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."
build="build-bench"
jobs=$(nproc)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DROMAN_BENCH=ON >/dev/null
cmake --build "$build" -j "$jobs" >/dev/null
cmake -S . -B "$build/static" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DROMAN_STATIC=ON >/dev/null
cmake --build "$build/static" -j "$jobs" --target roman >/dev/null
# Copies are timed: a file the linker has just written starts slower.
dynamic=$build/roman-dynamic
static=$build/roman-static
cp "$build/roman" "$dynamic"
cp "$build/static/roman" "$static"
cc -O2 bench/pairs.c -o "$build/pairs"

echo "== Microbenchmarks"
"$build/bench/roman_bench" --benchmark_min_time=0.5

echo
echo "== Counts (bench/check.sh, which CI runs too)"
echo "-- $dynamic"
bench/check.sh "$dynamic"
echo "-- $static"
bench/check.sh --static "$static"

# The floor: roman's own lines, compiled in, one write(2) each; built as
# $3 says, from the lines of range $1, into $2.
floor() {
  "$dynamic" "$1" | sed 's/.*/"&\\n"/' >"$2.h"
  # shellcheck disable=SC2086
  cc $3 -DLINES="\"$(basename "$2").h\"" -I "$build" bench/baseline.c -o "$2"
  cmp <("$2") <("$dynamic" "$1")
}

for range in 0:9999 1:3999; do
  name=${range/:/-}
  floor "$range" "$build/floor-$name" -O2
  echo
  echo "== Wall time: hyperfine -N, $dynamic $range against the floor"
  hyperfine -N --warmup 100 --runs 1000 --style basic \
    "$dynamic $range" "$build/floor-$name"
done

echo
echo "== Start-up: one value (3:3), whole runs and a shell loop"
# The floor built as the static roman is: a static PIE, the same hardening.
same_way="-O2 -fPIE -static-pie -fstack-protector-strong -fcf-protection
  -D_FORTIFY_SOURCE=2 -Wl,-z,relro,-z,now -ffunction-sections -fdata-sections
  -Wl,--gc-sections -Wl,-z,pack-relative-relocs"
floor 3:3 "$build/floor-one-static-pie" "$same_way"
floor 0:9999 "$build/floor-all-static" "-O2 -static"
for binary in "$static" "$dynamic"; do
  echo "-- $binary"
  instructions=$(valgrind --tool=callgrind --callgrind-out-file=/dev/null \
    "$binary" 3:3 2>&1 >/dev/null | sed -n 's/.*Collected : *//p')
  strace -f -c -o "$build/strace" "$binary" 3:3 >/dev/null
  echo "3:3: $instructions instructions (callgrind)," \
    "$(awk '$NF == "total" { print $4 }' "$build/strace") system calls (strace -c)"
  printf '3:3 against the static-PIE floor:    '
  "$build/pairs" 4000 "$binary" 3:3 -- "$build/floor-one-static-pie"
  printf '0:9999 against gcc -O2 -static floor: '
  "$build/pairs" 300 "$binary" 0:9999 -- "$build/floor-all-static"
  loop='for i in $(seq 1000); do "$0" $i:$i; done >/dev/null'
  printf '1000-call loop against the floor:     '
  "$build/pairs" 7 bash -c "$loop" "$binary" -- \
    bash -c "$loop" "$build/floor-one-static-pie"
done
