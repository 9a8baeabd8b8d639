#!/usr/bin/env bash
# A source install into DESTDIR puts each file where its users look (zsh's
# completion in site-functions), nothing of Debian's packaging, and the
# uninstall target takes every file and every folder it made away again.
# Usage: .ci/install-uninstall.sh BUILD_DIR   (a configured, built tree)
set -euo pipefail
source tools/common.sh
build=$1
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT
DESTDIR=$destdir cmake --install "$build" --prefix /usr/local >/dev/null
(cd "$destdir" && find . -type f | sort)
[ -f "$destdir/usr/local/share/zsh/site-functions/_roman" ] ||
  fault "no zsh completion in share/zsh/site-functions"
! find "$destdir" -path '*lintian*' -o -name copyright | grep . ||
  fault "Debian's packaging files are installed"
DESTDIR=$destdir cmake --build "$build" --target uninstall
left=$(find "$destdir" -mindepth 1)
[ -z "$left" ] || fault "uninstall left: $left"
echo "uninstall left nothing in DESTDIR"
