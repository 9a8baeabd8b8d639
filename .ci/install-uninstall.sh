#!/usr/bin/env bash
# A source install into DESTDIR puts exactly its files where their users
# look (zsh's completion in site-functions, nothing of Debian's packaging),
# and the uninstall target takes every file and every folder it made away.
# Usage: .ci/install-uninstall.sh BUILD_DIR   (a configured, built tree)
set -euo pipefail
source tools/common.sh
build=$1
DESTDIR=$work cmake --install "$build" --prefix /usr/local >/dev/null
installed=$(cd "$work/usr/local" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(holds source)" ] || fault "the install wrote:"$'\n'"$installed"
echo "the install wrote $(wc -l <<<"$installed") files, the source install's"
DESTDIR=$work cmake --build "$build" --target uninstall
left=$(find "$work" -mindepth 1)
[ -z "$left" ] || fault "uninstall left: $left"
echo "uninstall left nothing in DESTDIR"
