#!/usr/bin/env bash
# The oldest system we promise, as a new user meets it: a minimal Debian 11
# (g++ 10, CMake 3.18, GoogleTest 1.10), made once, with git, sudo, a user
# "builder" who may use it, and an apt source that cannot be read (an empty
# HTTP server on 127.0.0.1). A fresh clone there passes every test through
# the README's test command, whose set-up names the unreadable source and
# installs the rest. With a COMMAND, only runs it there as builder.
# Usage: .ci/debian11.sh ROOT [COMMAND]
set -euo pipefail
source tools/common.sh
root=$(realpath -m "$1")

# Runs shell command $1 as builder in the root, with this machine's /proc,
# /sys and /dev, mounted in a namespace of its own that ends with it.
in_root() {
  unshare -m bash -euc 'for folder in proc sys dev; do
      mount --rbind "/$folder" "$1/$folder"
    done
    exec chroot --userspec=builder:builder "$1" env -i HOME=/home/builder \
      USER=builder LOGNAME=builder PATH=/usr/local/bin:/usr/bin:/bin \
      LANG=C.UTF-8 CI="${CI:-}" bash -c "cd ~ && $2"' in-root "$root" "$1"
}
if [ $# -eq 2 ]; then in_root "$2"; exit; fi

if [ ! -e "$root/home/builder" ]; then
  rm -rf "$root"
  logged "$root.debootstrap.log" debootstrap --variant=minbase bullseye "$root" \
    http://deb.debian.org/debian
  logged "$root.apt.log" chroot "$root" apt-get update -qq
  logged "$root.apt.log" chroot "$root" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends git sudo ca-certificates
  echo "127.0.1.1 $(hostname)" >>"$root/etc/hosts"  # for sudo
  chroot "$root" useradd --create-home --shell /bin/bash builder
  echo 'builder ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/builder"
  chmod 0440 "$root/etc/sudoers.d/builder"
fi
echo "$root: Debian $(cat "$root/etc/debian_version"), user builder"

python3 -m http.server --bind 127.0.0.1 --directory "$work" 8011 >"$root.http.log" 2>&1 &
trap 'rm -rf "$work" "$root/etc/apt/sources.list.d/unreadable.list"; kill $! 2>/dev/null || true' EXIT
echo "deb [trusted=yes] http://127.0.0.1:8011/ ./" >"$root/etc/apt/sources.list.d/unreadable.list"
# apt only warns of a source it cannot reach at all: the server must answer.
timeout 5 bash -c 'until (: </dev/tcp/127.0.0.1/8011) 2>/dev/null; do sleep 0.1; done' ||
  fault "no HTTP server on 127.0.0.1:8011: $(cat "$root.http.log")"
rm -rf "$root/home/builder/roman"
git clone -q . "$root/home/builder/roman"
chroot "$root" chown -R builder:builder /home/builder/roman
logged "$root.test.log" in_root "cd roman && $(readme_test_command)"
if grep -q '^Installing:' "$root.test.log"; then
  grep -F -A 3 'could not read every source' "$root.test.log" | grep -F 127.0.0.1:8011 ||
    fault "set-up did not name the source it could not read"
else
  echo "set-up installed nothing here, so it did not meet the unreadable source"
fi
in_root 'cmake --version | head -n 1; g++ --version | head -n 1'
summary "$root.test.log"
