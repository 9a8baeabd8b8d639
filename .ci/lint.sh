#!/usr/bin/env bash
# The sources are formatted as .clang-format says, and cppcheck, clang-tidy
# (over a build folder's compile commands) and shellcheck (over every sh and
# bash script, at its warning level) find nothing.
# Usage: .ci/lint.sh BUILD_DIR
set -euo pipefail
git ls-files '*.cc' '*.h' | xargs clang-format --dry-run -Werror
cppcheck --quiet --std=c++20 --language=c++ --library=googletest \
  --enable=warning,style,performance,portability --inline-suppr \
  --suppress=missingIncludeSystem --error-exitcode=1 -I src src tests fuzz
# Only clang-tidy's count of the warnings it filtered out is left out.
git ls-files '*.cc' | xargs -P "$(nproc)" -n 4 clang-tidy -p "$1" --quiet \
  2> >(grep -v '^[0-9]* warnings\? generated\.$' >&2)
git ls-files '*.sh' '*.bash' .ci/run | xargs shellcheck -x -S warning
echo "clang-format, cppcheck, clang-tidy and shellcheck: nothing found"
