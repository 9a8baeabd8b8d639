#!/usr/bin/env bash
# The aarch64 static build, tested here: GoogleTest and roman cross-built
# with Debian's cross compiler, the whole CTest suite run under qemu (the
# kernel hands aarch64 programs to qemu-user-static through binfmt_misc, so
# the end-to-end tests can start roman as they do natively), and roman's
# output compared byte for byte with the x86_64 static binary's.
# Usage: .ci/aarch64.sh X86_64_STATIC_ROMAN
set -euo pipefail
native=$1
gtest=build-aarch64-gtest  # where the aarch64-static preset looks for it

if [ ! -e /proc/sys/fs/binfmt_misc/register ]; then
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
fi
update-binfmts --enable qemu-aarch64
export QEMU_LD_PREFIX=/usr/aarch64-linux-gnu  # for the dynamic test programs

cmake -S /usr/src/googletest -B "$gtest/build" -DBUILD_GMOCK=OFF \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/aarch64-linux-gnu.cmake" \
  -DCMAKE_INSTALL_PREFIX="$PWD/$gtest" >/dev/null
cmake --build "$gtest/build" >/dev/null
cmake --install "$gtest/build" >/dev/null

.ci/workflow.sh aarch64-static
roman=build-aarch64-static/roman
file "$roman"
for args in "0:9999" "-j 2 0:9999" "1990:1994" "0" ""; do
  # shellcheck disable=SC2086
  cmp <("$roman" $args 2>&1; echo "status $?") \
      <("$native" $args 2>&1; echo "status $?")
done
echo "aarch64 and x86_64 print the same bytes for 0:9999, -j 2 0:9999,"
echo "1990:1994, 0 and no range"
