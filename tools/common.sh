# shellcheck shell=bash disable=SC2034  # its facts are read by those who source it
# Sourced from the top of the tree by tools/release.sh and the CI scripts:
# what several of them share. A helper tests each of its steps itself, as
# bash drops set -e in a function called from if, || or &&.

# Says what is wrong, as the calling script, and fails.
fault() { echo "${0##*/}: $*" >&2; exit 1; }

# The version, from project() in CMakeLists.txt, and its release date, from
# NEWS.md, also as seconds since 1970.
version=$(sed -n 's/^ *VERSION \([0-9][0-9.]*\)$/\1/p' CMakeLists.txt | head -n 1)
release_date=$(sed -n "s/^## $version (\([0-9-]*\))\$/\1/p" NEWS.md)
[ -n "$version" ] && [ -n "$release_date" ] ||
  fault "no version in CMakeLists.txt, or no NEWS.md entry for it"
epoch=$(date -u -d "$release_date" +%s)

# The script's own folder, removed on exit (by any trap the script sets too).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The processors released for: word uname triplet qemu deb rpm, a row each.
targets() { grep -v '^#' cmake/targets.txt; }

# The C++ compiler that the build folder $1 was configured with.
compiler() {
  sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' \
    "$1"/CMakeFiles/*/CMakeCXXCompiler.cmake
}

# The files that a kind of package (archive, source install, deb or rpm)
# holds under its prefix, sorted.
holds() {
  local files=(bin/roman share/man/man1/roman.1.gz
    share/bash-completion/completions/roman
    share/fish/vendor_completions.d/roman.fish)
  case $1 in
    archive) files+=(share/zsh/site-functions/_roman
      share/doc/roman/{LICENSE,NEWS.md,NOTICE,README.md}) ;;
    source) files+=(share/zsh/site-functions/_roman share/doc/roman/changelog.gz) ;;
    deb) files+=(share/zsh/vendor-completions/_roman share/lintian/overrides/roman
      share/doc/roman/{copyright,changelog.gz}) ;;
    rpm) files+=(share/zsh/site-functions/_roman share/licenses/roman/LICENSE) ;;
  esac
  printf '%s\n' "${files[@]}" | LC_ALL=C sort
}

# The first fenced block of README.md in language $2 after the first line
# that holds $1, so that CI runs what users are told to.
readme_block() {
  local block
  block=$(awk -v start="$1" -v fence="\`\`\`$2" '
    index($0, start) > 0 { found = 1 }
    found && $0 == fence { inside = 1; next }
    inside && /^```$/ { exit }
    inside' README.md)
  [ -n "$block" ] || fault "README.md has no $2 block after '$1'"
  printf '%s\n' "$block"
}

# The README's test command, with warnings as errors.
readme_test_command() {
  local command
  command=$(readme_block 'every test and runs' sh) || exit
  echo "${command/-DBUILD_TESTING=ON/-DBUILD_TESTING=ON -DROMAN_WERROR=ON}"
}

# Fills folder $1 with links to every usual command but those named after
# it, for a PATH that lacks them.
path_without() {
  local bin=$1 folder command name
  shift
  rm -rf "$bin" && mkdir -p "$bin" || fault "cannot make $bin"
  for folder in /usr/local/bin /usr/bin /bin /usr/sbin /sbin; do
    for command in "$folder"/*; do
      name=${command##*/}
      case " $* " in *" $name "*) continue ;; esac
      [ -e "$bin/$name" ] || ln -s "$command" "$bin/$name" || fault "cannot link $name"
    done
  done
}

# logged LOG COMMAND...: runs COMMAND with its output in LOG, and on failure
# prints LOG and fails.
logged() {
  local log=$1
  shift
  "$@" >"$log" 2>&1 || { cat "$log"; fault "failed: $*"; }
}

# CTest's summary in the log $1, which must have one.
summary() {
  grep -q 'tests passed' "$1" || fault "$1 has no CTest summary"
  sed -n '/tests passed/p; /did not run/,$p' "$1"
}

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

# workflow NAME [TEXT...]: runs a workflow preset of CMakePresets.json with
# its output in build-NAME.log, and prints the tests skipped and CTest's
# summary (or the log, when a step fails); each TEXT must be in the log.
workflow() {
  local log=build-$1${ROMAN_TARGET:+-$ROMAN_TARGET}.log text
  logged "$log" cmake --workflow --preset "$1"
  for text in "${@:2}"; do
    grep -F "$text" "$log" || fault "$log does not say: $text"
  done
  grep -F 'Tests skipped' "$log" || true
  if grep -q 'tests passed' "$log"; then summary "$log"; else echo "$1: configured and built"; fi
}

# runs COMMAND...: a roman (or, say, chroot ROOT /roman) prints 1990:1994,
# the same bytes with two workers as with one, a write error on a full
# device and a bad call's message, as it must.
runs() {
  local status=0 err
  [ "$("$@" 1990:1994 | tr '\n' ' ')" = "MCMXC MCMXCI MCMXCII MCMXCIII MCMXCIV " ] ||
    fault "$* 1990:1994"
  [ "$("$@" -j 2 0:9999 | md5sum)" = "$("$@" 0:9999 | md5sum)" ] ||
    fault "$* -j 2 0:9999 differs from one worker's output"
  err=$("$@" 1:10 2>&1 >/dev/full) || status=$?
  [ "$status" -eq 1 ] && [ "$err" = "Write error, exiting: No space left on device" ] ||
    fault "$* 1:10 >/dev/full: status $status, $err"
  [ "$("$@" 2>&1)" = "Bad Call, exiting: Success" ] || fault "$* with no range"
  echo "$*: 1990:1994, -j 2, /dev/full and no range as expected"
}
