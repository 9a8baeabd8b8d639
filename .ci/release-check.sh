#!/usr/bin/env bash
# Checks a folder made by tools/release.sh: exactly its files for the
# processors of cmake/targets.txt, and their checksums; the README's table
# naming each archive; each archive holding only roman's files under bin/
# and share/, owned by 0:0 (and the check refusing one more); static,
# hardened binaries built from the same code as the tested ones, running in
# an empty root; the source archive building and passing its tests with no
# git.
# Usage: .ci/release-check.sh RELEASE_DIR
# (the tested static builds of this tree: build-static for x86_64 and
# build-WORD-static for the others)
set -euo pipefail
export LC_ALL=C
source tools/common.sh
release=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
targets=$(targets)

# Archive $2 holds roman's files in folder $1, under bin/ and share/, and no
# folder entry (which would change the user's folders), owned by 0:0.
layout() {
  local members owners
  members=$(tar -tzf "$2")
  [ "$members" = "$(printf "$1/%s\n" bin/roman \
      share/bash-completion/completions/roman share/doc/roman/LICENSE \
      share/doc/roman/NEWS.md share/doc/roman/NOTICE share/doc/roman/README.md \
      share/fish/vendor_completions.d/roman.fish share/man/man1/roman.1.gz \
      share/zsh/site-functions/_roman)" ] || fault "$2 holds: $members"
  owners=$(tar -tvzf "$2" | awk '{ print $2 }' | sort -u)
  [ "$owners" = 0/0 ] || fault "$2 has owners $owners"
}

expected=$( (echo SHA256SUMS; echo "roman-$version.tar.gz"
  while read -r word _ _ _ deb rpm; do
    echo "roman-$version-$word-linux.tar.gz"
    [ "$deb" = - ] || echo "roman_${version}_$deb.deb"
    [ "$rpm" = - ] || echo "roman-$version-1.$rpm.rpm"
  done <<<"$targets") | sort)
[ "$(ls "$release")" = "$expected" ] ||
  fault "$release holds $(ls "$release" | tr '\n' ' '), not the files of targets.txt"
(cd "$release" && sha256sum -c SHA256SUMS)

while read -r arch uname _ <&3; do
  name=roman-$version-$arch-linux
  archive=$release/$name.tar.gz
  grep -qF "| \`$uname\` | \`$name.tar.gz\` |" README.md ||
    fault "README.md's table has no row for $name.tar.gz"
  layout "$name" "$archive"
  grep -q "glibc) 2\.[0-9]*," <(tar -xzOf "$archive" "$name/share/doc/roman/NOTICE") ||
    fault "$name NOTICE names no glibc version"
  echo "$name.tar.gz: in README.md, only bin/ and share/, owned by 0:0, NOTICE names glibc"

  # Static and hardened; the symbols and objects are the tested build's,
  # which is the same program before stripping.
  root=$work/empty-$arch  # nothing but the binary: no /proc, /sys or /dev
  mkdir "$root"
  tar -xzOf "$archive" "$name/bin/roman" >"$root/roman"
  chmod +x "$root/roman"
  built=build-$arch-static
  if [ "$arch" = "$(uname -m)" ]; then built=build-static; fi
  [ "$(readelf -n "$root/roman" | grep 'Build ID')" = \
    "$(readelf -n "$built/roman" | grep 'Build ID')" ] ||
    fault "$arch: the released binary is not the tested build's"
  ! readelf -d "$root/roman" | grep -q NEEDED || fault "$arch: needs libraries"
  ! readelf -lW "$root/roman" | grep -q INTERP || fault "$arch: has an interpreter"
  .ci/hardened.sh "$root/roman" "$built"
  .ci/runs.sh chroot "$root" /roman
done 3<<<"$targets"

# The layout check refuses this machine's archive with a file outside bin/
# and share/ (files only, as release.sh packs them).
name=roman-$version-$(uname -m)-linux
tar -xzf "$release/$name.tar.gz" -C "$work" && touch "$work/$name/other"
(cd "$work" && find "$name" ! -type d | sort) |
  tar -czf "$work/planted.tar.gz" -C "$work" --no-recursion -T -
refuses "$name/other" -- layout "$name" "$work/planted.tar.gz"

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
