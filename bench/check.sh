#!/usr/bin/env bash
# Measures a roman binary with counts that do not depend on the machine's
# load, prints them, and fails when one passes its limit: one write(2) per
# line for 0:9999 and 1:3999 (strace); for 0:9999, 2.5 million instructions
# (callgrind) and 3 MiB peak resident memory (GNU time); for a one-value
# start-up (3:3), 250000 instructions and 40 system calls, or with --static
# 70000 and 20, and no program interpreter (readelf).
# Usage: bench/check.sh [--static] path/to/roman
set -euo pipefail
start_instructions=250000 start_calls=40
if [ "$1" = --static ]; then
  start_instructions=70000 start_calls=20
  shift
  interpreters=$(readelf -lW "$1" | grep -c INTERP || true)
fi
roman=$1
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
# Instructions (callgrind) and system calls (strace -e trace=$2, the count
# of those named $3) of roman for the range $1.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$roman" "$1" 2>&1 >/dev/null |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
calls() {
  strace -f -c -e "trace=$2" -o "$work/strace" "$roman" "$1" >/dev/null
  awk -v name="$3" '$NF == name { print $4 }' "$work/strace"
}

# The lines of each range are fixed here: a roman that prints less fails.
for range_lines in 0:9999=10000 1:3999=3999; do
  writes=$(calls "${range_lines%=*}" write write)
  report "write(2) calls, ${range_lines%=*}" "${writes:-0}" "${range_lines#*=}" exactly
done
report "instructions, 0:9999" "$(instructions 0:9999)" 2500000
/usr/bin/time -f %M -o "$work/time" "$roman" 0:9999 >/dev/null
report "peak resident KiB, 0:9999" "$(tail -n 1 "$work/time")" 3072
[ -z "${interpreters:-}" ] || report "program interpreters" "$interpreters" 0
report "instructions, 3:3" "$(instructions 3:3)" "$start_instructions"
report "system calls, 3:3" "$(calls 3:3 all total)" "$start_calls"
exit "$failed"
