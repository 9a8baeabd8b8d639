#!/usr/bin/env bash
# Checks a folder made by tools/release.sh: exactly its five files and
# their checksums, each archive's layout, the README's install and removal
# of it, static and hardened binaries built from the same code as the
# tested ones, runs in an empty root and in Debian 11, and the source
# archive building and passing its tests with no git.
# Usage: .ci/release-check.sh RELEASE_DIR X86_64_BUILD AARCH64_BUILD DEBIAN11_ROOT
# (the builds: the tested static builds of this tree, unstripped)
set -euo pipefail
release=$(realpath "$1")
builds=("$2" "$3")  # in the order of the loop below
debian11=$4
readme=$PWD/README.md
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fault() { echo "release: $*" >&2; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$2/CMakeCache.txt")

# The first sh block of README.md after a line that holds $1, for
# the archive of processor $2.
readme_block() {
  local block
  block=$(awk -v start="$1" 'index($0, start) > 0 { found = 1 }
    found && /^```sh$/ { inside = 1; next }
    inside && /^```$/ { exit }
    inside' "$readme")
  [ -n "$block" ] || fault "README.md has no sh block after '$1'"
  sed "s/x86_64-linux/$2-linux/g" <<<"$block"
}
expected="SHA256SUMS
roman-$version-aarch64-linux.tar.gz
roman-$version-x86_64-linux.tar.gz
roman-$version.tar.gz
roman_${version}_amd64.deb"
[ "$(ls "$release")" = "$expected" ] ||
  fault "$release holds $(ls "$release" | tr '\n' ' '), not the five files"
(cd "$release" && sha256sum -c SHA256SUMS)

i=0
for arch in x86_64 aarch64; do
  name=roman-$version-$arch-linux
  members=$(tar -tzf "$release/$name.tar.gz" | grep -v '/$')
  [ "$members" = "$(printf "$name/%s\n" LICENSE NEWS.md NOTICE README.md \
      bin/roman share/bash-completion/completions/roman \
      share/fish/vendor_completions.d/roman.fish share/man/man1/roman.1.gz \
      share/zsh/site-functions/_roman)" ] ||
    fault "$name.tar.gz holds: $members"
  owners=$(tar -tvzf "$release/$name.tar.gz" | awk '{ print $2 }' | sort -u)
  [ "$owners" = 0/0 ] || fault "$name.tar.gz has owners $owners"
  grep -q "glibc) 2\.[0-9]*," <(tar -xzOf "$release/$name.tar.gz" "$name/NOTICE") ||
    fault "$name/NOTICE names no glibc version"

  # The README's install into ~/.local, checksum first, for this archive.
  home=$work/home-$arch
  mkdir -p "$home/.local"
  install=$(readme_block 'Check the download' "$arch")
  (cd "$release" && HOME=$home bash -euo pipefail -c "$install")
  binary=$home/.local/bin/roman

  # Static, and hardened; the symbols and the objects are the tested build's,
  # which is the same program before stripping.
  built=${builds[i]}
  i=$((i + 1))
  [ "$(readelf -n "$binary" | grep 'Build ID')" = \
    "$(readelf -n "$built/roman" | grep 'Build ID')" ] ||
    fault "$arch: the released binary is not the tested build's"
  header=$(readelf -h "$binary")
  dynamic=$(readelf -d "$binary")
  segments=$(readelf -lW "$binary")
  symbols=$(nm "$built/roman")
  grep -q 'DYN (Position-Independent' <<<"$header" || fault "$arch: not PIE"
  ! grep -q NEEDED <<<"$dynamic" || fault "$arch: needs shared libraries"
  ! grep -q INTERP <<<"$segments" || fault "$arch: has an interpreter"
  grep -q 'FLAGS.*BIND_NOW' <<<"$dynamic" || fault "$arch: no BIND_NOW"
  grep -q GNU_RELRO <<<"$segments" || fault "$arch: no RELRO segment"
  grep -q ' __stack_chk_fail$' <<<"$symbols" || fault "$arch: no stack protector"
  grep -Eq ' __[a-z]+_chk$' <<<"$(nm -u "$built/libroman_cli.a")" ||
    fault "$arch: no fortified call in roman's own code"
  if [ "$arch" = x86_64 ]; then mark='x86 feature: IBT, SHSTK'
  else mark='AArch64 feature: BTI, PAC'; fi
  .ci/objects-marked.sh "$built" "$mark"
  echo "$name: static PIE, no NEEDED, no interpreter, BIND_NOW, RELRO," \
    "stack protector, fortified; objects $mark"

  # In an empty root: nothing but the binary (no /proc, /sys or /dev).
  root=$work/empty-$arch
  mkdir "$root"
  cp "$binary" "$root/roman"
  runs() {  # how to run roman there
    [ "$(chroot "$@" 1990:1994 | tr '\n' ' ')" = \
      "MCMXC MCMXCI MCMXCII MCMXCIII MCMXCIV " ] || fault "$arch: 1990:1994 in $*"
    local status=0
    err=$(chroot "$@" 1:10 2>&1 >/dev/full) || status=$?
    [ "$status" -eq 1 ] && [ "$err" = "Write error, exiting: No space left on device" ] ||
      fault "$arch: /dev/full in $*: status $status, $err"
    [ "$(chroot "$@" -j 2 0:9999 | md5sum)" = "$(chroot "$@" 0:9999 | md5sum)" ] ||
      fault "$arch: -j 2 in $*"
    [ "$(chroot "$@" 2>&1)" = "Bad Call, exiting: Success" ] ||
      fault "$arch: no range in $*"
  }
  runs "$root" /roman
  echo "$name: runs in an empty root"

  # The README's removal takes every file away again.
  cp "$binary" "$work/roman-$arch"
  remove=$(readme_block 'To remove it' "$arch")
  (cd "$release" && HOME=$home bash -euo pipefail -c "$remove")
  left=$(find "$home/.local" -type f)
  [ -z "$left" ] || fault "$arch: the README's removal left $left"
  echo "$name: installs into ~/.local and is removed again as the README says"
done

# Debian 11's glibc is 2.31: the x86_64 binary needs none of it.
cp "$work/roman-x86_64" "$debian11/tmp/roman"
runs --userspec=builder:builder "$debian11" /tmp/roman
echo "roman-$version-x86_64-linux: runs in Debian $(cat "$debian11/etc/debian_version")" \
  "(glibc $(chroot "$debian11" ldd --version | sed -n '1s/.* //p'))"
rm "$debian11/tmp/roman"

# The source archive: configures, builds and passes every test with no git.
tar -xzf "$release/roman-$version.tar.gz" -C "$work"
.ci/path-without.sh "$work/bin" git
test_command=$(grep -m1 -E '^tools/setup\.sh test && ' README.md)
log=$work/source.log
if ! (cd "$work/roman-$version" && [ ! -e .git ] &&
      PATH=$work/bin bash -c "$test_command") >"$log" 2>&1; then
  cat "$log"
  fault "the source archive does not build and pass its tests without git"
fi
echo "roman-$version.tar.gz, with no git on PATH and no .git:"
tail -n 3 "$log"
