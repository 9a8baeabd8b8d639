#!/usr/bin/env bash
# Checks the RPM packages of a release: each holds the binary, the manual
# page and the three completions where RPM-based systems keep them and the
# licence marked as such, passes rpmlint with every warning an error
# (package/rpmlint.toml says why each filtered one is none), and installed
# with rpm --root into an empty root, which has nothing it could require,
# runs there. rpmlint must refuse a package of BUILD_DIR with an unknown
# licence.
# Usage: .ci/rpm-check.sh RELEASE_DIR BUILD_DIR   (BUILD_DIR: the static build)
set -euo pipefail
release=$1
source tools/common.sh
lint() { rpmlint --strict -c package/rpmlint.toml "$@"; }
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
  lint "$rpm" | grep -E '^roman|errors'
  root=$(mktemp -d)
  rpm --root "$root" --initdb 2>/dev/null
  rpm --root "$root" -i --ignorearch "$rpm" 2>/dev/null
  .ci/runs.sh chroot "$root" /usr/bin/roman
  rm -rf "$root"
done 3< <(targets)
planted=$(mktemp -d)
(cd "$2" && cpack -G RPM -B "$planted" -D CPACK_RPM_PACKAGE_LICENSE=Nonfree >/dev/null)
refuses invalid-license -- lint "$planted"/*.rpm
rm -rf "$planted"
