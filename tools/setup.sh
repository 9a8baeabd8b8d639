#!/bin/sh
# Installs from Debian's packages what one kind of work on roman needs, and
# only what is missing: when everything is there it prints nothing and takes
# a moment. Uses sudo unless run as root.
#
#   tools/setup.sh build     compile roman
#   tools/setup.sh test      build it and run every test
#   tools/setup.sh package   make the .deb (cpack -G DEB) and check it
#   tools/setup.sh bench     run bench/run.sh
#   tools/setup.sh ci        everything .ci/run uses
set -eu

build="cmake g++ make"
test="$build libgtest-dev valgrind groff-base bash-completion zsh fish"
# cpack asks dpkg-shlibdeps (dpkg-dev) for the package's Depends: line.
package="$build dpkg-dev lintian binutils"
bench="$build libbenchmark-dev strace valgrind time hyperfine"
ci="$test $package clang clang-tidy clang-format cppcheck libclang-rt-dev
    libbenchmark-dev strace time git"

case "${1:-}" in
  build) wanted=$build ;;
  test) wanted=$test ;;
  package) wanted=$package ;;
  bench) wanted=$bench ;;
  ci) wanted=$ci ;;
  *)
    echo "usage: $0 build|test|package|bench|ci" >&2
    exit 2
    ;;
esac

# shellcheck disable=SC2086
installed=" $(dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' $wanted \
  2>/dev/null | sed -n 's/^ii *//p' | tr '\n' ' ')"
missing=""
for name in $wanted; do
  case "$installed $missing " in
    *" $name "*) ;;
    *) missing="$missing $name" ;;
  esac
done
[ -z "$missing" ] && exit 0

as_root=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null 2>&1 || {
    echo "$0: needs root or sudo to install:$missing" >&2
    exit 1
  }
  as_root=sudo
fi
echo "Installing:$missing"
$as_root apt-get update -qq
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -qq --no-install-recommends $missing >/dev/null
