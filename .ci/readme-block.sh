#!/usr/bin/env bash
# Prints the first fenced block of README.md, of the given language, after
# the first line that holds TEXT, so that CI runs what users are told to.
# Usage: .ci/readme-block.sh TEXT LANGUAGE
set -euo pipefail
block=$(awk -v start="$1" -v fence="\`\`\`$2" '
  index($0, start) > 0 { found = 1 }
  found && $0 == fence { inside = 1; next }
  inside && /^```$/ { exit }
  inside' "$(dirname "$0")/../README.md")
[ -n "$block" ] || { echo "README.md has no $2 block after '$1'" >&2; exit 1; }
printf '%s\n' "$block"
