#!/usr/bin/env bash
# Measures a roman binary with counts that do not depend on the machine's
# load, prints them, and fails when one passes its limit:
#   - one write(2) per line, for 0:9999 and 1:3999: 10000 and 3999 (strace);
#   - at most 2.5 million instructions for 0:9999 (callgrind);
#   - at most 3 MiB peak resident memory for 0:9999 (GNU time);
# and with --static, for a static binary's start-up, a one-value run:
#   - no program interpreter (readelf);
#   - at most 70000 instructions (callgrind) and 20 system calls (strace)
#     for 3:3.
# Usage: bench/check.sh [--static] path/to/roman
set -euo pipefail
static=no
if [ "${1:-}" = --static ]; then
  static=yes
  shift
fi
roman=$1
max_instructions=2500000
max_resident_kib=3072
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# report WHAT FIGURE LIMIT [exactly]: prints them; fails the run when FIGURE
# is no whole number, or over LIMIT (with "exactly", other than LIMIT).
report() {
  printf '%-34s %12s   limit %s %s\n' "$1" "$2" "$3" "${4:-}"
  if ! [[ $2 =~ ^[0-9]+$ ]] || [ "$2" -gt "$3" ] ||
     { [ "${4:-}" = exactly ] && [ "$2" -ne "$3" ]; }; then
    echo "  over the limit" >&2
    failed=1
  fi
}

# The lines each range has, fixed here: a binary that prints less, or
# nothing, must not pass.
for range_lines in 0:9999=10000 1:3999=3999; do
  range=${range_lines%=*}
  lines=${range_lines#*=}
  strace -f -c -e trace=write -o "$work/strace" "$roman" "$range" >/dev/null
  writes=$(awk '$NF == "write" { print $4 }' "$work/strace")
  report "write(2) calls, $range" "${writes:-0}" "$lines" exactly
done

valgrind --tool=callgrind --callgrind-out-file=/dev/null "$roman" 0:9999 \
  2>"$work/callgrind" >/dev/null
instructions=$(sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$work/callgrind")
report "instructions, 0:9999" "${instructions:-?}" "$max_instructions"

/usr/bin/time -f %M -o "$work/time" "$roman" 0:9999 >/dev/null
resident=$(tail -n 1 "$work/time")
report "peak resident KiB, 0:9999" "$resident" "$max_resident_kib"

if [ "$static" = yes ]; then
  interpreters=$(readelf -lW "$roman" | grep -c INTERP || true)
  report "program interpreters" "$interpreters" 0
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$roman" 3:3 \
    2>"$work/callgrind" >/dev/null
  instructions=$(sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$work/callgrind")
  report "instructions, 3:3" "${instructions:-?}" 70000
  strace -f -c -o "$work/strace" "$roman" 3:3 >/dev/null
  calls=$(awk '$NF == "total" { print $4 }' "$work/strace")
  report "system calls, 3:3" "${calls:-?}" 20
fi

exit "$failed"
