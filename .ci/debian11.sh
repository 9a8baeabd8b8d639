#!/usr/bin/env bash
# The oldest system we promise, as a new user meets it: a minimal Debian 11
# (g++ 10, CMake 3.18, GoogleTest 1.10) with only git and sudo added, and
# a third-party apt source that cannot be read (an HTTP server on
# 127.0.0.1 with nothing in it). A fresh clone there, as a non-root user,
# passes every test through the README's test command, whose set-up names
# the unreadable source and installs the rest.
# Usage: .ci/debian11.sh ROOT
set -euo pipefail
source tools/common.sh
root=$1
.ci/debian-root.sh bullseye "$root"
empty=$(mktemp -d)
python3 -m http.server --bind 127.0.0.1 --directory "$empty" 8011 >"$root.http.log" 2>&1 &
trap 'rm -rf "$empty" "$root/etc/apt/sources.list.d/unreadable.list"; kill $! 2>/dev/null || true' EXIT
echo "deb [trusted=yes] http://127.0.0.1:8011/ ./" >"$root/etc/apt/sources.list.d/unreadable.list"
# apt only warns of a source it cannot reach at all: the server must answer.
tries=0
until (: </dev/tcp/127.0.0.1/8011) 2>/dev/null; do
  ((++tries < 50)) || fault "no HTTP server on 127.0.0.1:8011: $(cat "$root.http.log")"
  sleep 0.1
done
rm -rf "$root/home/builder/roman"
git clone -q . "$root/home/builder/roman"
chroot "$root" chown -R builder:builder /home/builder/roman
test_command=$(.ci/readme-block.sh "every test and runs" sh)
test_command=${test_command/-DBUILD_TESTING=ON/-DBUILD_TESTING=ON -DROMAN_WERROR=ON}
log="$root.test.log"
if ! .ci/in-root.sh "$root" "cd roman && $test_command" >"$log" 2>&1; then
  cat "$log"
  exit 1
fi
if grep -q '^Installing:' "$log"; then
  grep -F -A 3 'could not read every source' "$log" | grep -F 127.0.0.1:8011 ||
    fault "set-up did not name the source it could not read"
else
  echo "set-up installed nothing here, so it did not meet the unreadable source"
fi
.ci/in-root.sh "$root" 'cmake --version | head -n 1; g++ --version | head -n 1'
sed -n "/tests passed/,/^$/p" "$log"
