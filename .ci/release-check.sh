#!/usr/bin/env bash
# Checks a folder made by tools/release.sh: exactly its five files and
# their checksums; each archive holding only bin/ and share/, owned by 0:0;
# static, hardened binaries built from the same code as the tested ones,
# running in an empty root and in Debian 11; the source archive building and
# passing its tests with no git.
# Usage: .ci/release-check.sh RELEASE_DIR X86_64_BUILD AARCH64_BUILD DEBIAN11_ROOT
# (the builds: the tested static builds of this tree, unstripped)
set -euo pipefail
release=$(realpath "$1")
declare -A builds=([x86_64]=$2 [aarch64]=$3)
debian11=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fault() { echo "release: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$2/CMakeCache.txt")
expected="SHA256SUMS
roman-$version-aarch64-linux.tar.gz
roman-$version-x86_64-linux.tar.gz
roman-$version.tar.gz
roman_${version}_amd64.deb"
[ "$(ls "$release")" = "$expected" ] ||
  fault "$release holds $(ls "$release" | tr '\n' ' '), not the five files"
(cd "$release" && sha256sum -c SHA256SUMS)

for arch in x86_64 aarch64; do
  name=roman-$version-$arch-linux
  archive=$release/$name.tar.gz
  members=$(tar -tzf "$archive" | grep -v '/$')
  [ "$members" = "$(printf "$name/%s\n" bin/roman \
      share/bash-completion/completions/roman share/doc/roman/LICENSE \
      share/doc/roman/NEWS.md share/doc/roman/NOTICE share/doc/roman/README.md \
      share/fish/vendor_completions.d/roman.fish share/man/man1/roman.1.gz \
      share/zsh/site-functions/_roman)" ] || fault "$name.tar.gz holds: $members"
  owners=$(tar -tvzf "$archive" | awk '{ print $2 }' | sort -u)
  [ "$owners" = 0/0 ] || fault "$name.tar.gz has owners $owners"
  grep -q "glibc) 2\.[0-9]*," <(tar -xzOf "$archive" "$name/share/doc/roman/NOTICE") ||
    fault "$name NOTICE names no glibc version"
  echo "$name.tar.gz: only bin/ and share/, owned by 0:0, NOTICE names glibc"

  # Static and hardened; the symbols and objects are the tested build's,
  # which is the same program before stripping.
  root=$work/empty-$arch  # nothing but the binary: no /proc, /sys or /dev
  mkdir "$root"
  tar -xzOf "$archive" "$name/bin/roman" >"$root/roman"
  chmod +x "$root/roman"
  built=${builds[$arch]}
  [ "$(readelf -n "$root/roman" | grep 'Build ID')" = \
    "$(readelf -n "$built/roman" | grep 'Build ID')" ] ||
    fault "$arch: the released binary is not the tested build's"
  ! readelf -d "$root/roman" | grep -q NEEDED || fault "$arch: needs libraries"
  ! readelf -lW "$root/roman" | grep -q INTERP || fault "$arch: has an interpreter"
  .ci/hardened.sh "$root/roman" "$built"
  .ci/runs.sh chroot "$root" /roman
done

# Debian 11's glibc is 2.31: the x86_64 binary needs none of it.
cp "$work/empty-x86_64/roman" "$debian11/tmp/roman"
.ci/runs.sh chroot --userspec=builder:builder "$debian11" /tmp/roman
rm "$debian11/tmp/roman"

# The source archive: configures, builds and passes every test with no git.
tar -xzf "$release/roman-$version.tar.gz" -C "$work"
.ci/path-without.sh "$work/bin" git
test_command=$(.ci/readme-block.sh 'every test and runs' sh)
log=$work/source.log
if ! (cd "$work/roman-$version" && [ ! -e .git ] &&
      PATH=$work/bin bash -c "$test_command") >"$log" 2>&1; then
  cat "$log"
  fault "the source archive does not build and pass its tests without git"
fi
echo "roman-$version.tar.gz, with no git on PATH and no .git:"
sed -n "/tests passed/,/^$/p" "$log"
