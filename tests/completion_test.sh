#!/usr/bin/env bash
# Checks the bash completion's answers, on its own or, given the
# bash-completion library, with that library loaded first.
# Arguments: the completion file, the table of cases every shell shares,
# and optionally the library.
set -u
script=$1
cases=$2
library=${3:-}
processors=$(seq -s ' ' 1 "$(getconf _NPROCESSORS_ONLN)")
failures=0

# Completes the words given (the last is the one being typed) and compares
# the offers with the expected ones.
expect() {
  local expected=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_WORDBREAKS=$' \t\n"\'><=;|&(:'
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _roman
  local got="${COMPREPLY[*]}"
  if [[ $got != "$expected" ]]; then
    echo "FAIL: '$*' offered '$got', expected '$expected'"
    failures=$((failures + 1))
  fi
}

check_all() {
  local offers line
  local -a words
  while IFS='|' read -r offers line _; do
    [[ $offers == '#'* ]] && continue
    read -ra words <<<"$line"
    [[ $line == *' ' ]] && words+=("")
    expect "${offers/@processors@/$processors}" "${words[@]}"
  done <"$cases"
  # Readline puts the offer after the '=' it split the word at.
  expect "roman" roman -o n=r
  expect "roman" roman -o n=
}

if [[ -n $library ]]; then
  # shellcheck source=/dev/null
  source "$library"
fi
# shellcheck source=/dev/null
source "$script"
check_all
[[ $failures -eq 0 ]] && echo "completion: all offers as expected"
exit $((failures > 0))
