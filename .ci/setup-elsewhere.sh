#!/usr/bin/env bash
# tools/setup.sh on a Linux without apt, dpkg or sudo (as on Fedora or Arch
# with everything installed): silent and 0 when nothing is missing; with
# cmake hidden, one message naming it and this system's install command,
# and status 1.
set -euo pipefail
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT

path_without() { .ci/path-without.sh "$bin" apt apt-get apt-cache dpkg dpkg-query sudo "$@"; }

path_without
for kind in build test; do
  said=$(PATH=$bin tools/setup.sh "$kind" 2>&1) ||
    { echo "setup.sh $kind failed without apt: $said" >&2; exit 1; }
  [ -z "$said" ] || { echo "setup.sh $kind said: $said" >&2; exit 1; }
  echo "tools/setup.sh $kind, no apt, dpkg or sudo, all installed: silent, status 0"
done

path_without cmake
printf '#!/bin/sh\nexit 1\n' >"$bin/dnf"  # a Fedora, as far as setup.sh can see
chmod +x "$bin/dnf"
for kind in build test; do
  status=0
  said=$(PATH=$bin tools/setup.sh "$kind" 2>&1) || status=$?
  echo "tools/setup.sh $kind, cmake hidden, dnf present: status $status: $said"
  [ "$status" -ne 0 ] && grep -q 'missing: cmake' <<<"$said" &&
    grep -q 'sudo dnf install cmake' <<<"$said" ||
    { echo "setup.sh $kind did not name what is missing" >&2; exit 1; }
done
