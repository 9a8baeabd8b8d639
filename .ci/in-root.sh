#!/usr/bin/env bash
# Runs a shell command as the user "builder" in a root made by
# .ci/debian-root.sh, with /proc, /sys and /dev of this machine, in
# builder's home folder.
# Usage: .ci/in-root.sh DIR COMMAND
set -euo pipefail
root=$(realpath "$1")
command=$2
mounted=()
cleanup() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -l "${mounted[i]}" || true
  done
}
trap cleanup EXIT
for folder in proc sys dev dev/pts; do
  mount --bind "/$folder" "$root/$folder"
  mounted+=("$root/$folder")
done
chroot --userspec=builder:builder "$root" env -i HOME=/home/builder \
  USER=builder LOGNAME=builder PATH=/usr/local/bin:/usr/bin:/bin \
  LANG=C.UTF-8 CI="${CI:-}" bash -c "cd ~ && $command"
