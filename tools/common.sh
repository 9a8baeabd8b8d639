# shellcheck shell=bash
# Sourced from the top of the tree by tools/release.sh and the CI scripts:
# what several of them read the same way.

# Says what is wrong, as the calling script, and fails.
fault() { echo "${0##*/}: $*" >&2; exit 1; }

# The version, from project() in CMakeLists.txt.
# shellcheck disable=SC2034  # read by the scripts that source this file
version=$(sed -n 's/^ *VERSION \([0-9][0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)

# The C++ compiler that the build folder $1 was configured with.
compiler() {
  sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' \
    "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake
}

# The processors released for, a row each:
# word uname triplet qemu deb rpm (cmake/targets.txt says what each is).
targets() { grep -v '^#' cmake/targets.txt; }

# refuses TEXT... -- COMMAND...: COMMAND fails and says each TEXT, so that a
# check is seen refusing what it must refuse.
refuses() {
  local texts=() said status=0 text
  while [ "$1" != -- ]; do texts+=("$1"); shift; done
  shift
  said=$("$@" 2>&1) || status=$?
  [ "$status" -ne 0 ] || fault "$* passes:"$'\n'"$said"
  for text in "${texts[@]}"; do
    grep -qF -- "$text" <<<"$said" || fault "$* does not say $text:"$'\n'"$said"
  done
  echo "refused, status $status: $*: $(grep -F -- "${texts[0]}" <<<"$said" | head -n 1)"
}
