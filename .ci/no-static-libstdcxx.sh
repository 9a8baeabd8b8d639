#!/usr/bin/env bash
# Builds roman where the compiler has no libstdc++.a, as on Fedora or RHEL
# without libstdc++-static: configure must say so once and link the shared
# C++ runtime instead. The library is hidden by a bind mount in a private
# mount namespace, so nothing outside this script sees it gone.
# Usage: .ci/no-static-libstdcxx.sh BUILD_DIR
set -euo pipefail
source tools/common.sh
build=$1
library=$(g++ -print-file-name=libstdc++.a)
folder=$(dirname "$library")
cp -a "$folder/." "$work/"
rm "$work/libstdc++.a"
unshare -m bash -euo pipefail -c '
  mount --bind "$1" "$2"
  test ! -e "$2/libstdc++.a"
  cmake -S . -B "$3" -DBUILD_TESTING=OFF | grep -F "No static C++ runtime"
  cmake --build "$3" -j "$(nproc)" >/dev/null
' hide "$work" "$folder" "$build"
readelf -d "$build/roman" | grep -F 'NEEDED' | grep -F libstdc++
runs "$build/roman"
