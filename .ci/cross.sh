#!/usr/bin/env bash
# The static build for each processor of cmake/targets.txt but this one:
# GoogleTest and roman built with Debian's cross compiler, every test run
# under qemu (binfmt_misc hands foreign programs to qemu-user-static, so the
# end-to-end tests start roman as natively), and roman's output compared
# byte for byte with this machine's static binary's.
# Usage: .ci/cross.sh X86_64_STATIC_ROMAN
set -euo pipefail
source tools/common.sh
native=$1
[ -e /proc/sys/fs/binfmt_misc/register ] ||
  mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc

while read -r word _ triplet qemu _ <&3; do
  [ "$word" = "$(uname -m)" ] && continue
  echo "-- $word"
  # Debian has no qemu-i386 entry on x86_64, whose kernel may yet lack
  # IA-32 support (so the entry qemu's own binfmt set-up makes).
  if ! update-binfmts --enable "qemu-$qemu" 2>/dev/null && [ "$qemu" = i386 ] &&
     [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >/proc/sys/fs/binfmt_misc/register
  fi
  export QEMU_LD_PREFIX=/usr/$triplet ROMAN_TARGET=$word
  gtest=build-$word-gtest  # where the cross-static preset looks for it
  cmake -S /usr/src/googletest -B "$gtest/build" -DBUILD_GMOCK=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/cross.cmake" -DROMAN_TARGET="$word" \
    -DCMAKE_CXX_FLAGS=-Wno-psabi -DCMAKE_INSTALL_PREFIX="$PWD/$gtest" >/dev/null
  cmake --build "$gtest/build" --target install >/dev/null
  workflow cross-static
  roman=build-$word-static/roman
  file "$roman"
  for args in "0:9999" "-j 2 0:9999" "1990:1994" "0" ""; do
    # shellcheck disable=SC2086
    cmp <("$roman" $args 2>&1; echo "status $?") \
        <("$native" $args 2>&1; echo "status $?")
  done
  echo "$word prints the same bytes as $(uname -m) for 0:9999, -j 2 0:9999, 1990:1994, 0 and no range"
done 3< <(targets)
