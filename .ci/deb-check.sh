#!/usr/bin/env bash
# Checks the Debian package: made again from a tested build folder, it is
# the release's byte for byte; it holds the binary, the manual page, the
# three completions (zsh's in Debian's folder), the copyright, the
# changelog and the lintian overrides; its binary runs and is hardened; and
# lintian finds nothing at any level but the overridden tags.
# Usage: .ci/deb-check.sh BUILD_DIR RELEASE_DIR
set -euo pipefail
build=$1
release=$2
fault() { echo "deb: $*" >&2; exit 1; }
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/roman_${version}_amd64.deb
cmp "$deb" "$release/roman_${version}_amd64.deb"
dpkg-deb --info "$deb" | grep -E 'Package|Version|Section|Depends|Maintainer'
contents=$(dpkg-deb --contents "$deb")
for file in usr/bin/roman usr/share/man/man1/roman.1.gz \
    usr/share/bash-completion/completions/roman \
    usr/share/zsh/vendor-completions/_roman \
    usr/share/fish/vendor_completions.d/roman.fish \
    usr/share/doc/roman/copyright usr/share/doc/roman/changelog.gz \
    usr/share/lintian/overrides/roman; do
  grep -q " ./$file\$" <<<"$contents" || fault "$deb lacks $file"
done
! grep -q site-functions <<<"$contents" || fault "$deb has zsh's site-functions"
unpacked=$build/unpacked
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
.ci/runs.sh "$unpacked/usr/bin/roman"
.ci/hardened.sh "$unpacked/usr/bin/roman" "$build"
# No tag at any level but the overridden ones, which the second run shows
# (lintian counts shown overrides at their own level, so it cannot do both).
lintian --pedantic -I -E --fail-on error,warning,info,pedantic,experimental \
  "$deb"
lintian --pedantic -I -E --show-overrides "$deb"
echo "$deb is the release's, holds what it must and passes lintian"
