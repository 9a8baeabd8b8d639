#!/bin/sh
# Checks that this machine has what one kind of work on roman needs, on any
# Linux, and is silent with status 0 when it is all there. What is missing
# is installed where apt is (with sudo unless run as root); elsewhere it is
# named with the command that installs it, and the status is 1. Tools that
# only some tests need are not worth a stop there: CTest skips their tests.
#
#   tools/setup.sh build     compile roman
#   tools/setup.sh test      build it and run every test
#   tools/setup.sh package   make the .deb (cpack -G DEB) and check it
#   tools/setup.sh release   run tools/release.sh (Debian only)
#   tools/setup.sh bench     run bench/run.sh
#   tools/setup.sh ci        everything .ci/run uses (Debian only)
#
# With --check first, nothing is installed: what is missing is named, with
# the call of this script that installs it, and the status is 1.
set -eu

check_only=""
[ "${1:-}" != --check ] || { check_only=yes; shift; }

# The package manager here: the first of apt-get, dnf, pacman, zypper and
# apk that is installed (the loop keeps the last it finds), and its column
# of the table below (6: none).
system="" column=6
for client in apk:5 zypper:4 pacman:3 dnf:2 apt-get:1; do
  command -v "${client%:*}" >/dev/null 2>&1 && system=${client%:*} column=${client#*:}
done

# Whether a check passes: cmd:NAME is a command on PATH, file:GLOB a file,
# and the rest are checks of their own.
has() {
  case $1 in
    cmd:*) command -v "${1#cmd:}" >/dev/null 2>&1 ;;
    deb:*) dpkg-query -W -f '${Status}' "${1#deb:}" 2>/dev/null |
           grep -q ' installed$' ;;
    file:*) for found in ${1#file:}; do [ -e "$found" ] && return 0; done
            return 1 ;;
    cmake:*) command -v cmake >/dev/null 2>&1 &&  # cmake:OLDEST
           version=$(cmake --version | sed -n '1s/[^0-9]*\([0-9.]*\).*/\1/p') &&
           [ "$(printf '%s\n%s\n' "${1#cmake:}" "$version" |
                sort -t. -k1,1n -k2,2n | head -n 1)" = "${1#cmake:}" ] ;;
    c++20)  # the compiler CMake will take: $CXX, or the first one found
      for cxx in ${CXX:-} c++ g++ clang++; do
        command -v "$cxx" >/dev/null 2>&1 || continue
        printf '#if __cplusplus < 201709L\n#error\n#endif\n' |
          "$cxx" -std=c++20 -x c++ -fsyntax-only - 2>/dev/null
        return
      done
      return 1 ;;
    gtest)  # its CMake package, or its header beside its library
      has cmake-package:GTest || {
        has file:/usr/include/gtest/gtest.h &&
        has "file:/usr/lib*/libgtest.* /usr/lib/*/libgtest.*"; } ;;
    cmake-package:*)  # found where CMake's find_package looks
      for prefix in ${CMAKE_PREFIX_PATH:-} /usr/local /usr; do
        for config in lib*/cmake lib/*/cmake share/cmake; do
          has "file:$prefix/$config/${1#cmake-package:}/*onfig.cmake" && return 0
        done
      done
      return 1 ;;
  esac
}

# What each kind of work needs, a row a thing: the kind that needs it (make
# and ninja: the build program of CMake's generator), whether it is required
# or optional, the check (as has() reads it), what people call it ("_" for a
# blank), and its package for apt-get, dnf, pacman, zypper and apk ("-" for
# none: making and checking packages, releases and CI are Debian's work).
table="
build required cmake:3.18 cmake_3.18_or_later cmake cmake cmake cmake cmake
build required c++20 a_C++20_compiler g++ gcc-c++ gcc gcc-c++ g++
make required cmd:make make make make make make make
ninja required cmd:ninja ninja ninja-build ninja-build ninja ninja samurai
test required gtest GoogleTest libgtest-dev gtest-devel gtest googletest-devel gtest-dev
test optional cmd:valgrind valgrind valgrind valgrind valgrind valgrind valgrind
test optional cmd:groff groff groff-base groff groff groff groff
test optional cmd:zsh zsh zsh zsh zsh zsh zsh
test optional cmd:fish fish fish fish fish fish fish
test optional file:/usr/share/bash-completion/bash_completion bash-completion bash-completion bash-completion bash-completion bash-completion bash-completion
package required cmake:3.19 cmake_3.19_or_later cmake - - - -
package required cmd:dpkg-shlibdeps dpkg-shlibdeps dpkg-dev - - - -
package required cmd:lintian lintian lintian - - - -
package required cmd:objcopy objcopy binutils - - - -
release required cmd:git git git - - - -
release required cmd:rpmbuild rpmbuild rpm - - - -
bench required cmake-package:benchmark Google_Benchmark libbenchmark-dev google-benchmark-devel benchmark benchmark-devel benchmark-dev
bench required cmd:cc a_C_compiler gcc gcc gcc gcc gcc
bench required cmd:strace strace strace strace strace strace strace
bench required cmd:valgrind valgrind valgrind valgrind valgrind valgrind valgrind
bench required file:/usr/bin/time GNU_time time time time time time
bench required cmd:hyperfine hyperfine hyperfine hyperfine hyperfine hyperfine hyperfine
ci required cmd:clang clang clang - - - -
ci required cmd:clang-tidy clang-tidy clang-tidy - - - -
ci required cmd:clang-format clang-format clang-format - - - -
ci required cmd:cppcheck cppcheck cppcheck - - - -
ci required cmd:debootstrap debootstrap debootstrap - - - -
ci required cmd:qemu-aarch64-static qemu-user-static qemu-user-static - - - -
ci required cmd:update-binfmts update-binfmts binfmt-support - - - -
ci required cmd:rpmlint rpmlint rpmlint - - - -
ci required file:/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a libclang-rt-dev libclang-rt-dev - - - -
ci required file:/usr/lib/llvm-*/lib/libc++.a libc++ libc++-dev - - - -
ci required file:/usr/lib/llvm-*/lib/libc++abi.a libc++abi libc++abi-dev - - - -
ci required file:/usr/src/googletest/CMakeLists.txt googletest-sources googletest - - - -
ci required file:/usr/share/keyrings/debian-archive-keyring.gpg debian-archive-keyring debian-archive-keyring - - - -
ci required file:/usr/bin/python3 python3 python3 - - - -
"

# need required|optional CHECK NAME PACKAGE
need() {
  case "$required_missing, $optional_missing, " in *", $3, "*) return 0 ;; esac
  has "$2" && return 0
  if [ "$1" = required ]; then
    required_missing="$required_missing, $3"
  else
    optional_missing="$optional_missing, $3"
  fi
  [ "$4" = - ] || packages="$packages $4"
}

# Checks every row of the kinds in $kinds; for a release, also each
# processor's cross compiler and each .deb architecture's C library.
need_all() {
  required_missing="" optional_missing="" packages=""
  while read -r row_kind level check name names; do
    case " $kinds " in *" $row_kind "*)
      need "$level" "$check" "$name" "$(echo "$names -" | cut -d ' ' -f "$column")" ;;
    esac
  done <<EOF
$table
EOF
  case " $kinds " in *" release "*) ;; *) return 0 ;; esac
  while read -r word _ triplet _ deb _; do
    case $word in "#"* | "$(uname -m)") continue ;; esac
    need required "cmd:$triplet-g++" "$triplet-g++" "g++-$triplet"
    [ "$deb" = - ] || need required "deb:libc6:$deb" "libc6:$deb" "libc6:$deb"
  done <"$(dirname "$0")/../cmake/targets.txt"
}

kind=${1:-}
case $kind in
  build | test | package | bench) kinds="build $kind" ;;
  release) kinds="build package release" ;;
  ci) kinds="build test package release bench ci ninja" ;;
  *)
    echo "usage: $0 build|test|package|release|bench|ci" >&2
    exit 2
    ;;
esac
case ${CMAKE_GENERATOR:-} in
  Ninja*) kinds="$kinds ninja" ;;
  *) kinds="$kinds make" ;;
esac
need_all

[ -z "$required_missing$optional_missing" ] && exit 0

# Says what is still missing, in words.
missing() { echo "$0: missing: $(echo "${required_missing#, }" | tr _ ' ')."; }

if [ -n "$check_only" ]; then
  [ -z "$required_missing" ] && exit 0
  { missing; echo "Run tools/setup.sh $kind to install it."; } >&2
  exit 1
fi

if [ "$system" != apt-get ]; then
  [ -z "$required_missing" ] && exit 0
  case $system in
    dnf) install="sudo dnf install$packages" ;;
    pacman) install="sudo pacman -S --needed$packages" ;;
    zypper) install="sudo zypper install$packages" ;;
    apk) install="sudo apk add$packages" ;;
    *) install="this system's package manager" ;;
  esac
  { missing; echo "Install it with: $install"; } >&2
  exit 1
fi

as_root=""
[ "$(id -u)" -eq 0 ] || as_root=sudo
if [ -n "$as_root" ] && ! command -v sudo >/dev/null 2>&1; then
  echo "$0: needs root or sudo to install:$packages" >&2
  exit 1
fi
echo "Installing:$packages"
# Libraries of another architecture (libc6:arm64) come through multiarch.
for arch in $(printf '%s\n' $packages | sed -n 's/.*:\([a-z0-9]*\)$/\1/p' | sort -u); do
  $as_root dpkg --add-architecture "$arch"
done
# A source apt cannot read (a third-party one gone stale, a mirror in the
# middle of a sync) is no reason to stop: the others may have it all.
if ! unread=$($as_root apt-get update -qq 2>&1 >/dev/null); then
  echo "$0: warning: apt-get update could not read every source:" >&2
fi
printf '%s\n' "$unread" | grep '^[EW]: ' | grep -v 'index files failed' >&2 || true
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends $packages >/dev/null ||
  { echo "$0: apt-get could not install:$packages" >&2; exit 1; }

# Installed is not always enough (an apt that has only an older CMake).
need_all
[ -z "$required_missing" ] || { missing >&2; exit 1; }
