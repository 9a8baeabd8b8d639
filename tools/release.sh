#!/usr/bin/env bash
# Makes a release of the committed tree into DIR: for each processor of
# cmake/targets.txt, a static archive (roman-V-WORD-linux.tar.gz: roman, its
# manual page, completions, licence, notes and a notice of the runtimes in
# it, under bin/ and share/), and the .deb and .rpm where targets.txt names
# their architecture; the source archive (roman-V.tar.gz), which builds and
# tests without git; and SHA256SUMS. V is the version in project(). All is
# built from the source archive and dated at the release's date in NEWS.md,
# so two runs on one commit give the same bytes. tools/setup.sh release
# installs what it needs.
# Usage: tools/release.sh DIR
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 DIR" >&2; exit 2; }
# The .deb's members carry the modes its files are made with: the same bytes
# under a user's umask 002 as under 022.
umask 022
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh" --check release
mkdir -p "$1"
out=$(cd "$1" && pwd)
cd "$top"
source tools/common.sh
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  fault "the tree has uncommitted changes; a release is made of a commit"
fi

export SOURCE_DATE_EPOCH=$epoch

# Packs the files of folder $2 (under $1) into the archive $3: sorted, owned
# by 0:0, dated at the release, no name or time in the gzip header; files
# only, so unpacking makes the folders missing and leaves the others alone.
pack() {
  (cd "$1" && find "$2" ! -type d | LC_ALL=C sort) |
    tar -C "$1" --no-recursion -T - --format=gnu --owner=0 --group=0 \
      --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" --mode=u=rwX,go=rX -cf - |
    gzip -9n >"$3"
}

echo "== roman $version ($release_date): source"
source_name=roman-$version
mkdir "$work/$source_name"
git archive HEAD | tar -x -C "$work/$source_name"
pack "$work" "$source_name" "$out/$source_name.tar.gz"
mkdir "$work/source"
tar -xzf "$out/$source_name.tar.gz" -C "$work/source"
src=$work/source/$source_name

# Configures roman for processor $1 in $work/$2, with cmake options $3...
configure() {
  local word=$1 build=$work/$2
  shift 2
  local cross=()
  [ "$word" = "$(uname -m)" ] ||
    cross=(-DCMAKE_TOOLCHAIN_FILE="$src/cmake/cross.cmake" -DROMAN_TARGET="$word")
  cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    "${cross[@]}" "$@" >/dev/null
  cmake --build "$build" -j "$(nproc)" >/dev/null
}

# Builds the static roman for processor $1 and packs it with what a user's
# ~/.local or /usr/local needs; with an RPM architecture $2, packages it.
static_archive() {
  local word=$1 name=roman-$version-$1-linux
  echo "== $name"
  local build=$work/static-$word stage=$work/stage/$name
  configure "$word" "static-$word" -DROMAN_STATIC=ON
  cmake --install "$build" --prefix "$stage" --strip >/dev/null
  # Everything under bin/ and share/, so that unpacking into a prefix writes
  # only roman's own paths. NEWS.md is the notes: no Debian changelog.
  local doc=$stage/share/doc/roman
  rm "$doc/changelog.gz"
  cp "$src/LICENSE" "$src/README.md" "$src/NEWS.md" "$doc/"
  notice "$build" "$word" >"$doc/NOTICE"
  pack "$work/stage" "$name" "$out/$name.tar.gz"
  if [ "$2" != - ]; then
    echo "== roman-$version-1.$2.rpm"
    (cd "$build" && cpack -G RPM >/dev/null)
    cp "$build/roman-$version-1.$2.rpm" "$out/"
  fi
}

# The runtime libraries linked into the static roman built in $1, by the
# versions its compiler links.
notice() {
  local cxx glibc gcc
  cxx=$(compiler "$1")
  glibc=$(printf '#include <features.h>\n__GLIBC__.__GLIBC_MINOR__\n' |
    "$cxx" -E -P -x c++ - | tr -d ' ' | tail -n 1)
  gcc=$("$cxx" -dumpfullversion)
  cat <<EOF
roman $version for $2 Linux is one static program. Besides roman's own
code (MIT licence, see LICENSE), it contains parts of:

- the GNU C Library (glibc) $glibc, under the GNU Lesser General Public
  License, version 2.1 or later;
- the GCC $gcc runtime libraries (libstdc++ and libgcc), under the GNU
  General Public License, version 3, with the GCC Runtime Library
  Exception, version 3.1.

Both were linked as Debian's packages of them ship them. The source
archive of this release, roman-$version.tar.gz, builds this program
(cmake -DROMAN_STATIC=ON), so anyone can link roman against a changed
glibc, as the LGPL provides.
EOF
}

while read -r word _ _ _ deb rpm <&3; do
  static_archive "$word" "$rpm"
  [ "$deb" = - ] && continue
  echo "== roman_${version}_$deb.deb"
  configure "$word" "deb-$word"
  (cd "$work/deb-$word" && cpack -G DEB >/dev/null)
  cp "$work/deb-$word/roman_${version}_$deb.deb" "$out/"
done 3< <(cd "$src" && targets)

cd "$out"
sha256sum -- *.deb *.rpm *.tar.gz >SHA256SUMS
cat SHA256SUMS
