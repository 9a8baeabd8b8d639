#!/usr/bin/env bash
# A minimal Debian root, as a new user's machine is: debootstrap's minbase
# with git and sudo, and a user "builder" who may use sudo without a
# password. Made once; later calls reuse it.
# Usage: .ci/debian-root.sh SUITE DIR      (SUITE: bullseye, bookworm, ...)
set -euo pipefail
suite=$1
root=$2
if [ ! -e "$root/home/builder" ]; then
  rm -rf "$root"
  debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian \
    >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log"; exit 1; }
  { chroot "$root" apt-get update -qq &&
    chroot "$root" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends git sudo ca-certificates
  } >"$root.apt.log" 2>&1 || { cat "$root.apt.log"; exit 1; }
  echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"  # for sudo
  chroot "$root" useradd --create-home --shell /bin/bash builder
  echo 'builder ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/builder"
  chmod 0440 "$root/etc/sudoers.d/builder"
fi
echo "$root: Debian $(cat "$root/etc/debian_version"), user builder"
