#!/bin/sh
# Checks that this machine has what one kind of work on roman needs, by
# command and by file, on any Linux. When it is all there it prints nothing
# and exits 0. What is missing is installed where apt is (with sudo unless
# run as root); elsewhere one message names it, with the command that
# installs it on this system, and the exit status is 1. Tools that only some
# tests need are installed where apt is and otherwise left out: CTest then
# shows those tests as skipped.
#
#   tools/setup.sh build     compile roman
#   tools/setup.sh test      build it and run every test
#   tools/setup.sh package   make the .deb (cpack -G DEB) and check it
#   tools/setup.sh release   run tools/release.sh (Debian only)
#   tools/setup.sh bench     run bench/run.sh
#   tools/setup.sh ci        everything .ci/run uses (Debian only)
#
# With --check first, nothing is installed: what is missing is named, with
# the call of this script that installs it, and the exit status is 1.
set -eu

check_only=""
if [ "${1:-}" = --check ]; then
  check_only=yes
  shift
fi

# The package manager here, by the first client found.
system=""
for client in apt-get dnf pacman zypper apk; do
  if command -v "$client" >/dev/null 2>&1; then
    system=$client
    break
  fi
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
    generator)  # the build program of the generator CMake will use
      case ${CMAKE_GENERATOR:-Unix Makefiles} in
        Ninja*) command -v ninja >/dev/null 2>&1 ;;
        *) command -v make >/dev/null 2>&1 ;;
      esac ;;
    gtest)  # its CMake package, or its header beside its library
      has cmake-package:GTest || {
        has file:/usr/include/gtest/gtest.h &&
        has "file:/usr/lib*/libgtest.* /usr/lib/*/libgtest.*"; } ;;
    cmake-package:*)  # found where CMake's find_package looks
      name=${1#cmake-package:}
      for prefix in ${CMAKE_PREFIX_PATH:-} /usr/local /usr; do
        for found in "$prefix"/lib*/cmake/"$name"/*onfig.cmake \
            "$prefix"/lib/*/cmake/"$name"/*onfig.cmake \
            "$prefix"/share/cmake/"$name"/*onfig.cmake; do
          [ -e "$found" ] && return 0
        done
      done
      return 1 ;;
  esac
}

required_missing=""  # what people call it, "_" for a blank, ", " between
optional_missing=""
packages=""          # this system's package names for what is missing

# need required|optional CHECK NAME APT DNF PACMAN ZYPPER APK
need() {
  case "$required_missing, $optional_missing, " in *", $3, "*) return 0 ;; esac
  has "$2" && return 0
  if [ "$1" = required ]; then
    required_missing="$required_missing, $3"
  else
    optional_missing="$optional_missing, $3"
  fi
  case $system in
    apt-get) packages="$packages $4" ;;
    dnf) packages="$packages $5" ;;
    pacman) packages="$packages $6" ;;
    zypper) packages="$packages $7" ;;
    apk) packages="$packages $8" ;;
  esac
}

need_build() {
  need required cmake:3.18 cmake_3.18_or_later cmake cmake cmake cmake cmake
  need required c++20 a_C++20_compiler g++ gcc-c++ gcc gcc-c++ g++
  case ${CMAKE_GENERATOR:-} in
    Ninja*) need required generator ninja ninja-build ninja-build ninja ninja \
              samurai ;;
    *) need required generator make make make make make make ;;
  esac
}

need_test() {
  need_build
  need required gtest GoogleTest libgtest-dev gtest-devel gtest \
    googletest-devel gtest-dev
  need optional cmd:valgrind valgrind valgrind valgrind valgrind valgrind \
    valgrind
  need optional cmd:groff groff groff-base groff groff groff groff
  need optional cmd:zsh zsh zsh zsh zsh zsh zsh
  need optional cmd:fish fish fish fish fish fish fish
  need optional file:/usr/share/bash-completion/bash_completion \
    bash-completion bash-completion bash-completion bash-completion \
    bash-completion bash-completion
}

# Making and checking the .deb is Debian's own work: Debian's names only.
need_package() {
  need_build
  need required cmake:3.19 cmake_3.19_or_later cmake  # CPack's DEB settings
  need required cmd:dpkg-shlibdeps dpkg-shlibdeps dpkg-dev
  need required cmd:lintian lintian lintian
  need required cmd:objcopy objcopy binutils
}

need_bench() {
  need_build
  need required cmake-package:benchmark Google_Benchmark libbenchmark-dev \
    google-benchmark-devel benchmark benchmark-devel benchmark-dev
  need required cmd:cc a_C_compiler gcc gcc gcc gcc gcc
  need required cmd:strace strace strace strace strace strace strace
  need required cmd:valgrind valgrind valgrind valgrind valgrind valgrind \
    valgrind
  need required file:/usr/bin/time GNU_time time time time time time
  need required cmd:hyperfine hyperfine hyperfine hyperfine hyperfine \
    hyperfine hyperfine
}

# tools/release.sh: for each processor of cmake/targets.txt its cross
# compiler, and Debian's C library of each .deb's architecture.
need_release() {
  need_package
  need required cmd:git git git
  need required cmd:rpmbuild rpmbuild rpm
  while read -r word _ triplet _ deb _; do
    case $word in "#"* | "$(uname -m)") continue ;; esac
    need required "cmd:$triplet-g++" "$triplet-g++" "g++-$triplet"
    [ "$deb" = - ] || need required "deb:libc6:$deb" "libc6:$deb" "libc6:$deb"
  done <"$(dirname "$0")/../cmake/targets.txt"
}

# Everything .ci/run uses, on the Debian machine it runs on.
need_ci() {
  need_test
  need_release
  need_bench
  for tool in clang:clang clang-tidy:clang-tidy clang-format:clang-format \
      cppcheck:cppcheck git:git ninja:ninja-build debootstrap:debootstrap \
      qemu-aarch64-static:qemu-user-static update-binfmts:binfmt-support \
      rpmlint:rpmlint; do
    need required "cmd:${tool%%:*}" "${tool%%:*}" "${tool#*:}"
  done
  need required "file:/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" \
    libclang-rt-dev libclang-rt-dev
  need required "file:/usr/lib/llvm-*/lib/libc++.a" libc++ libc++-dev
  need required "file:/usr/lib/llvm-*/lib/libc++abi.a" libc++abi libc++abi-dev
  need required file:/usr/src/googletest/CMakeLists.txt googletest-sources \
    googletest
  need required file:/usr/share/keyrings/debian-archive-keyring.gpg \
    debian-archive-keyring debian-archive-keyring
  need required file:/usr/bin/python3 python3 python3  # fish_update_completions
}

kind=${1:-}
case $kind in
  build | test | package | release | bench | ci) "need_$kind" ;;
  *)
    echo "usage: $0 build|test|package|release|bench|ci" >&2
    exit 2
    ;;
esac

[ -z "$required_missing$optional_missing" ] && exit 0

# Says what is still missing, in words.
missing() {
  echo "$0: missing: $(echo "${required_missing#, }" | tr _ ' ')."
}

if [ -n "$check_only" ]; then
  [ -z "$required_missing" ] && exit 0
  { missing; echo "Run tools/setup.sh $kind to install it."; } >&2
  exit 1
fi

if [ "$system" != apt-get ]; then
  # Tools some tests need are not worth a stop: their tests show as skipped.
  [ -z "$required_missing" ] && exit 0
  {
    missing
    case $system in
      dnf) echo "Install it with: sudo dnf install$packages" ;;
      pacman) echo "Install it with: sudo pacman -S --needed$packages" ;;
      zypper) echo "Install it with: sudo zypper install$packages" ;;
      apk) echo "Install it with: sudo apk add$packages" ;;
      *) echo "Install it with this system's package manager." ;;
    esac
  } >&2
  exit 1
fi

as_root=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || {
    echo "$0: needs root or sudo to install:$packages" >&2
    exit 1
  }
  as_root=sudo
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
required_missing=""
optional_missing=""
"need_$kind"
if [ -n "$required_missing" ]; then
  missing >&2
  exit 1
fi
