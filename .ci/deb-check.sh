#!/usr/bin/env bash
# Checks the Debian packages of a release: this machine's, made again from a
# tested build folder, is the release's byte for byte and hardened; each
# needs at most libc6 2.35 (Ubuntu 22.04's) and holds the binary, the manual
# page, the three completions (zsh's in Debian's folder), the copyright, the
# changelog and the lintian overrides;
# its binary runs against Debian's C library of its own architecture (under
# qemu for another's); and lintian finds nothing at any level but the
# overridden tags, and refuses this machine's .deb with roman group-writable.
# Usage: .ci/deb-check.sh BUILD_DIR RELEASE_DIR
set -euo pipefail
build=$1
release=$2
source tools/common.sh
lint() {
  lintian --pedantic -I -E --fail-on error,warning,info,pedantic,experimental \
    "$1" 2>/dev/null
}
(cd "$build" && cpack -G DEB >/dev/null)
native=$(dpkg --print-architecture)
cmp "$build/roman_${version}_$native.deb" "$release/roman_${version}_$native.deb"

while read -r _ _ _ qemu arch _ <&3; do
  [ "$arch" = - ] && continue
  deb=$release/roman_${version}_$arch.deb
  echo "-- $deb"
  dpkg-deb --info "$deb" | grep -E 'Package|Version|Architecture|Depends'
  libc=$(dpkg-deb -f "$deb" Depends | sed -n 's/.*libc6 (>= \([0-9.]*\)).*/\1/p')
  dpkg --compare-versions "$libc" le 2.35 || fault "$deb needs libc6 $libc; Ubuntu 22.04 has 2.35"
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
  unpacked=$(mktemp -d)
  dpkg-deb -x "$deb" "$unpacked"
  if [ "$arch" = "$native" ]; then
    .ci/runs.sh "$unpacked/usr/bin/roman"
    .ci/hardened.sh "$unpacked/usr/bin/roman" "$build"  # the same bytes
  else
    .ci/runs.sh "qemu-$qemu-static" -L / "$unpacked/usr/bin/roman"
  fi
  rm -rf "$unpacked"
  # No tag at any level but the overridden ones, which the second run shows
  # (lintian counts shown overrides at their own level, so it cannot do both).
  lint "$deb"
  lintian --pedantic -I -E --show-overrides "$deb" 2>/dev/null
done 3< <(targets)
planted=$(mktemp -d)
dpkg-deb -R "$build/roman_${version}_$native.deb" "$planted/deb"
chmod g+w "$planted/deb/usr/bin/roman"
dpkg-deb -b --root-owner-group "$planted/deb" "$planted/roman.deb" >/dev/null
refuses non-standard-executable-perm -- lint "$planted/roman.deb"
rm -rf "$planted"
