#!/usr/bin/env bash
# The hardening check refuses a roman built without fortification, and the
# same objects linked without PIE, each for that reason.
# Usage: .ci/unhardened.sh BUILD_DIR
set -euo pipefail
source tools/common.sh
cmake -S . -B "$1" -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=0 >/dev/null
cmake --build "$1" --target roman >/dev/null
refuses "no fortified call" -- .ci/hardened.sh "$1/roman" "$1"
"$(compiler "$1")" -no-pie -o "$1/roman-no-pie" \
  "$1/CMakeFiles/roman.dir/src/cli/main.cc.o" "$1/libroman_cli.a" "$1/libroman_core.a"
refuses "not PIE" -- .ci/hardened.sh "$1/roman-no-pie" "$1"
