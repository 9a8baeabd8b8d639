#!/usr/bin/env bash
# Checks that a roman answers as it must: 1990:1994, the same bytes with two
# workers as with one, a write error on a full device, and a bad call.
# Usage: .ci/runs.sh COMMAND...   (a roman, or e.g. chroot ROOT /roman)
set -euo pipefail
source tools/common.sh
[ "$("$@" 1990:1994 | tr '\n' ' ')" = "MCMXC MCMXCI MCMXCII MCMXCIII MCMXCIV " ] ||
  fault "$* 1990:1994"
[ "$("$@" -j 2 0:9999 | md5sum)" = "$("$@" 0:9999 | md5sum)" ] ||
  fault "$* -j 2 0:9999 differs from one worker's output"
status=0
err=$("$@" 1:10 2>&1 >/dev/full) || status=$?
[ "$status" -eq 1 ] && [ "$err" = "Write error, exiting: No space left on device" ] ||
  fault "$* 1:10 >/dev/full: status $status, $err"
[ "$("$@" 2>&1)" = "Bad Call, exiting: Success" ] || fault "$* with no range"
echo "$*: 1990:1994, -j 2, /dev/full and no range as expected"
