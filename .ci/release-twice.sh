#!/usr/bin/env bash
# tools/release.sh, run from two fresh clones of this commit in different
# folders, under umask 022 and under a user's 002, makes the same bytes: the
# two SHA256SUMS are identical.
# Usage: .ci/release-twice.sh DIR   (the releases land in DIR/first and DIR/second)
set -euo pipefail
out=$1
rm -rf "$out"
# release NAME UMASK: a release from a clone of its own, into $out/NAME.
release() {
  git clone -q . "$out/clone-$1"
  (umask "$2" && "$out/clone-$1/tools/release.sh" "$out/$1") >"$out/$1.log" 2>&1 ||
    { cat "$out/$1.log"; exit 1; }
}
release first 022
release second 002
cat "$out/first/SHA256SUMS"
cmp "$out/first/SHA256SUMS" "$out/second/SHA256SUMS"
echo "identical"
