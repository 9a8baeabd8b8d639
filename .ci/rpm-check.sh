#!/usr/bin/env bash
# Checks the RPM packages of a release: each holds the binary, the manual
# page and the three completions where RPM-based systems keep them and the
# licence marked as such, passes rpmlint (package/rpmlint.toml says why
# each filtered error is none), and installed with rpm --root into an empty
# root runs there.
# Usage: .ci/rpm-check.sh RELEASE_DIR
set -euo pipefail
release=$1
fault() { echo "rpm: $*" >&2; exit 1; }
version=$(sed -n 's/^ *VERSION \([0-9][0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)
while read -r _ _ _ _ _ arch <&3; do
  [ "$arch" = - ] && continue
  rpm=$release/roman-$version-1.$arch.rpm
  echo "-- $rpm"
  [ "$(rpm -qp --qf '%{ARCH}' "$rpm" 2>/dev/null)" = "$arch" ] || fault "$rpm: not $arch"
  [ "$(rpm -qpl "$rpm" 2>/dev/null)" = "$(printf '/usr/%s\n' bin/roman \
      share/bash-completion/completions/roman \
      share/fish/vendor_completions.d/roman.fish share/licenses/roman \
      share/licenses/roman/LICENSE share/man/man1/roman.1.gz \
      share/zsh/site-functions/_roman)" ] || fault "$rpm holds: $(rpm -qpl "$rpm")"
  [ "$(rpm -qpL "$rpm" 2>/dev/null)" = /usr/share/licenses/roman/LICENSE ] ||
    fault "$rpm marks no licence"
  rpmlint -c package/rpmlint.toml "$rpm" | grep -E '^roman|errors'
  root=$(mktemp -d)
  rpm --root "$root" --initdb 2>/dev/null
  rpm --root "$root" -i --nodeps --ignorearch "$rpm" 2>/dev/null
  .ci/runs.sh chroot "$root" /usr/bin/roman
  rm -rf "$root"
done 3< <(grep -v '^#' cmake/targets.txt)
