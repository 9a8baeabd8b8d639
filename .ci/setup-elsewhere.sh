#!/usr/bin/env bash
# tools/setup.sh on a Linux without apt, dpkg or sudo (as on Fedora or Arch
# with everything installed) is silent with status 0; with a tool hidden it
# names it, and how to install it, with status 1: cmake where dnf is, make
# where only ninja is; and tools/release.sh without the aarch64 cross
# compiler says so before it builds anything.
set -euo pipefail
source tools/common.sh
bin=$work/bin
no_apt() { path_without "$bin" apt apt-get apt-cache dpkg dpkg-query sudo "$@"; }

no_apt
for kind in build test; do
  said=$(PATH=$bin tools/setup.sh "$kind" 2>&1) || fault "setup.sh $kind failed without apt: $said"
  [ -z "$said" ] || fault "setup.sh $kind said: $said"
  echo "tools/setup.sh $kind, no apt, dpkg or sudo, all installed: silent, status 0"
done

no_apt cmake
ln -s /bin/false "$bin/dnf"  # a Fedora, as far as setup.sh can see
for kind in build test; do
  refuses 'missing: cmake' 'sudo dnf install cmake' -- env PATH="$bin" tools/setup.sh "$kind"
done

no_apt make
refuses 'missing: make.' -- env PATH="$bin" tools/setup.sh build

# release.sh is Debian's work: only the cross compiler is hidden.
path_without "$bin" aarch64-linux-gnu-g++
refuses 'missing: aarch64-linux-gnu-g++.' 'Run tools/setup.sh release' -- \
  env PATH="$bin" tools/release.sh "$work/release"
[ ! -e "$work/release" ] || fault "release.sh made $work/release"
