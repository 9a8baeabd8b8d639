#!/usr/bin/env bash
# The oldest system we promise, as a new user meets it: a minimal Debian 11
# (g++ 10, CMake 3.18, GoogleTest 1.10) with only git and sudo added. A
# fresh clone there, as a non-root user, passes every test through the
# README's test command, which installs the rest.
# Usage: .ci/debian11.sh ROOT
set -euo pipefail
root=$1
.ci/debian-root.sh bullseye "$root"
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
grep -E '^-- The CXX compiler|^-- Check for working CXX|cmake version' "$log" || true
.ci/in-root.sh "$root" 'cmake --version | head -n 1; g++ --version | head -n 1'
sed -n "/tests passed/,/^$/p" "$log"
