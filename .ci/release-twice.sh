#!/usr/bin/env bash
# tools/release.sh, run from two fresh clones of this commit in different
# folders, makes the same bytes: the two SHA256SUMS are identical.
# Usage: .ci/release-twice.sh DIR   (the releases land in DIR/first and DIR/second)
set -euo pipefail
out=$1
rm -rf "$out"
for clone in first second; do
  git clone -q . "$out/clone-$clone"
  "$out/clone-$clone/tools/release.sh" "$out/$clone" >"$out/$clone.log" 2>&1 ||
    { cat "$out/$clone.log"; exit 1; }
done
cat "$out/first/SHA256SUMS"
cmp "$out/first/SHA256SUMS" "$out/second/SHA256SUMS"
echo "identical"
