#!/usr/bin/env bash
# The aarch64 static build, tested here: GoogleTest and roman cross-built
# with Debian's cross compiler, the whole CTest suite run under qemu (the
# kernel hands aarch64 programs to qemu-user-static through binfmt_misc, so
# the end-to-end tests can start roman as they do natively), and roman's
# output compared byte for byte with the x86_64 static binary's.
# Usage: .ci/aarch64.sh BUILD_DIR X86_64_STATIC_ROMAN
set -euo pipefail
out=$1
native=$2
jobs=$(nproc)
toolchain=$PWD/cmake/aarch64-linux-gnu.cmake

if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
fi
update-binfmts --enable qemu-aarch64
export QEMU_LD_PREFIX=/usr/aarch64-linux-gnu  # for the dynamic test programs

cmake -S /usr/src/googletest -B "$out/googletest" -DBUILD_GMOCK=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$out/gtest" \
  >/dev/null
cmake --build "$out/googletest" -j "$jobs" >/dev/null
cmake --install "$out/googletest" >/dev/null

cmake -S . -B "$out/roman" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DROMAN_STATIC=ON -DROMAN_WERROR=ON \
  -DGTest_DIR="$out/gtest/lib/cmake/GTest" >"$out/configure.log"
grep -F 'Tests skipped' "$out/configure.log" || true
cmake --build "$out/roman" -j "$jobs" >/dev/null
roman=$out/roman/roman
file "$roman"

log=$out/ctest.log
if ! (cd "$out/roman" && ctest -j "$jobs" --output-on-failure) >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
sed -n '/tests passed/,$p' "$log"

for args in "0:9999" "-j 2 0:9999" "1990:1994" "0" ""; do
  # shellcheck disable=SC2086
  cmp <("$roman" $args 2>&1; echo "status $?") \
      <("$native" $args 2>&1; echo "status $?")
done
echo "aarch64 and x86_64 print the same bytes for 0:9999, -j 2 0:9999,"
echo "1990:1994, 0 and no range"
