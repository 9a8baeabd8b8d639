#!/usr/bin/env bash
# Checks a folder made by tools/release.sh: exactly the files that
# cmake/targets.txt gives, their checksums, the README's table, and what
# each holds (holds in tools/common.sh; archives with no folder entries,
# owned by 0:0). Each roman runs as its users' will: an archive's, static
# and hardened as the tested build, in an empty root; a .deb's on Debian's
# C library of its architecture (qemu for another's); an .rpm's after rpm
# --root into an empty root. The .debs need at most libc6 2.35 (Ubuntu
# 22.04) and pass lintian at every level, this machine's being DEB_BUILD's,
# hardened; the .rpms pass rpmlint --strict. Each check refuses a planted
# fault. --twice first makes the release from two clones, under umask 022
# and 002, into DIR/first and DIR/second, with identical SHA256SUMS.
# --source unpacks DIR's source archive into FOLDER (whose path may have a
# space, as a user's may), where the README's test command must pass with
# no git; CTest's own output ends it.
# Usage: .ci/release-check.sh [--twice] DIR DEB_BUILD
#        .ci/release-check.sh --source DIR FOLDER
# (DEB_BUILD: a Release build; build-static and build-WORD-static: the
# tested static builds)
set -euo pipefail
export LC_ALL=C
source tools/common.sh
if [ "$1" = --source ]; then
  rm -rf "$3" && mkdir -p "$3"
  tar -xzf "$2/roman-$version.tar.gz" -C "$3"
  path_without "$work/bin" git
  [ ! -e "$3/roman-$version/.git" ] || fault "the source archive has .git"
  test_command=$(readme_test_command)
  cd "$3/roman-$version"
  PATH=$work/bin bash -c "$test_command"
  exit
fi
if [ "$1" = --twice ]; then
  rm -rf "$2"
  for made in first:022 second:002; do
    name=${made%:*}
    git clone -q . "$2/clone-$name"
    logged "$2/$name.log" bash -c 'umask "$1" && "$2/tools/release.sh" "$3"' \
      release "${made#*:}" "$2/clone-$name" "$2/$name"
  done
  cat "$2/first/SHA256SUMS"
  cmp "$2/first/SHA256SUMS" "$2/second/SHA256SUMS"
  echo "identical"
  set -- "$2/first" "$3"
fi
release=$(realpath "$1") deb_build=$2
targets=$(targets)
native=$(dpkg --print-architecture)

# Archive $2 holds roman's files in folder $1, and no folder entry (which
# would change the user's folders), owned by 0:0.
layout() {
  local members owners
  members=$(tar -tzf "$2")
  [ "$members" = "$(holds archive | sed "s|^|$1/|")" ] || fault "$2 holds: $members"
  owners=$(tar -tvzf "$2" | awk '{ print $2 }' | sort -u)
  [ "$owners" = 0/0 ] || fault "$2 has owners $owners"
}
# same_files KIND PACKAGE FILES: FILES (a line each) are those KIND holds.
same_files() {
  [ "$(sort <<<"$3")" = "$(holds "$1" | sed 's|^|/usr/|')" ] || fault "$2 holds:"$'\n'"$3"
}
lintian_all() {
  lintian --pedantic -I -E --fail-on error,warning,info,pedantic,experimental \
    "$1" 2>/dev/null
}
rpmlint_strict() { rpmlint --strict -c package/rpmlint.toml "$@"; }

expected=$( (echo SHA256SUMS; echo "roman-$version.tar.gz"
  while read -r word _ _ _ deb rpm; do
    echo "roman-$version-$word-linux.tar.gz"
    [ "$deb" = - ] || echo "roman_${version}_$deb.deb"
    [ "$rpm" = - ] || echo "roman-$version-1.$rpm.rpm"
  done <<<"$targets") | sort)
[ "$(ls "$release")" = "$expected" ] ||
  fault "$release holds $(ls "$release" | tr '\n' ' '), not the files of targets.txt"
(cd "$release" && sha256sum -c SHA256SUMS)
(cd "$deb_build" && cpack -G DEB >/dev/null)
cmp "$deb_build/roman_${version}_$native.deb" "$release/roman_${version}_$native.deb"

while read -r word uname _ qemu deb rpm <&3; do
  name=roman-$version-$word-linux
  package=$release/$name.tar.gz
  echo "-- $package"
  grep -qF "| \`$uname\` | \`$name.tar.gz\` |" README.md ||
    fault "README.md's table has no row for $name.tar.gz"
  layout "$name" "$package"
  grep -q "glibc) 2\.[0-9]*," <(tar -xzOf "$package" "$name/share/doc/roman/NOTICE") ||
    fault "$name NOTICE names no glibc version"
  # The tested build's symbols and objects are the same program's.
  root=$work/empty-$word  # nothing but the binary: no /proc, /sys or /dev
  mkdir "$root"
  tar -xzOf "$package" "$name/bin/roman" >"$root/roman"
  chmod +x "$root/roman"
  built=build-$word-static
  if [ "$word" = "$(uname -m)" ]; then built=build-static; fi
  [ "$(readelf -n "$root/roman" | grep 'Build ID')" = \
    "$(readelf -n "$built/roman" | grep 'Build ID')" ] ||
    fault "$word: the released binary is not the tested build's"
  ! readelf -d "$root/roman" | grep -q NEEDED || fault "$word: needs libraries"
  ! readelf -lW "$root/roman" | grep -q INTERP || fault "$word: has an interpreter"
  .ci/hardened.sh "$root/roman" "$built"
  runs chroot "$root" /roman

  if [ "$deb" != - ]; then
    package=$release/roman_${version}_$deb.deb
    echo "-- $package"
    libc=$(dpkg-deb -f "$package" Depends | sed -n 's/.*libc6 (>= \([0-9.]*\)).*/\1/p')
    dpkg --compare-versions "$libc" le 2.35 ||
      fault "$package needs libc6 $libc; Ubuntu 22.04 has 2.35"
    same_files deb "$package" "$(dpkg-deb --contents "$package" |
      awk '!/^d/ { sub(/^\./, "", $6); print $6 }')"
    dpkg-deb -x "$package" "$work/deb-$deb"
    if [ "$deb" = "$native" ]; then
      runs "$work/deb-$deb/usr/bin/roman"
      .ci/hardened.sh "$work/deb-$deb/usr/bin/roman" "$deb_build"  # the same bytes
    else
      runs "qemu-$qemu-static" -L / "$work/deb-$deb/usr/bin/roman"
    fi
    # No tag at any level but the overridden ones, which the second run shows
    # (lintian counts shown overrides at their own level, so it cannot do both).
    lintian_all "$package"
    lintian --pedantic -I -E --show-overrides "$package" 2>/dev/null
  fi
  if [ "$rpm" != - ]; then
    package=$release/roman-$version-1.$rpm.rpm
    echo "-- $package"
    [ "$(rpm -qp --qf '%{ARCH}' "$package" 2>/dev/null)" = "$rpm" ] ||
      fault "$package: not $rpm"
    same_files rpm "$package" "$(rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' \
      "$package" 2>/dev/null | awk '!/^d/ { print $2 }')"
    [ "$(rpm -qpL "$package" 2>/dev/null)" = /usr/share/licenses/roman/LICENSE ] ||
      fault "$package marks no licence"
    rpmlint_strict "$package" | grep -E '^roman|errors'
    mkdir "$work/rpm-$rpm"
    rpm --root "$work/rpm-$rpm" --initdb 2>/dev/null
    rpm --root "$work/rpm-$rpm" -i --ignorearch "$package" 2>/dev/null
    runs chroot "$work/rpm-$rpm" /usr/bin/roman
  fi
done 3<<<"$targets"

# Planted: an archive with a file more, a .deb with roman group-writable,
# an .rpm with an unknown licence.
name=roman-$version-$(uname -m)-linux
tar -xzf "$release/$name.tar.gz" -C "$work" && touch "$work/$name/other"
(cd "$work" && find "$name" ! -type d | sort) |
  tar -czf "$work/planted.tar.gz" -C "$work" --no-recursion -T -
refuses "$name/other" -- layout "$name" "$work/planted.tar.gz"
dpkg-deb -R "$deb_build/roman_${version}_$native.deb" "$work/planted"
chmod g+w "$work/planted/usr/bin/roman"
dpkg-deb -b --root-owner-group "$work/planted" "$work/planted.deb" >/dev/null
refuses non-standard-executable-perm -- lintian_all "$work/planted.deb"
(cd build-static && cpack -G RPM -B "$work/planted-rpm" \
  -D CPACK_RPM_PACKAGE_LICENSE=Nonfree >/dev/null)
refuses invalid-license -- rpmlint_strict "$work/planted-rpm"/*.rpm

