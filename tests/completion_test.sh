#!/usr/bin/env bash
# Checks the bash completion's answers, with and without the
# bash-completion library loaded.
set -u
script=$1
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
  local processors
  processors=$(getconf _NPROCESSORS_ONLN)
  expect "$(seq -s ' ' 1 "$processors")" roman -j ""
  expect "n=roman roman=n" roman -o ""
  expect "roman=n" roman -o r
  # Readline puts the offer after the '=' it split the word at.
  expect "roman" roman -o n=r
  expect "roman" roman -o n=
  expect "-j -o" roman -
  expect "-o" roman -j 2 -o
  expect "" roman 1:3 -
  expect "" roman 1:3 -j ""
  expect "" roman -j 2 5 -o ""
}

# shellcheck source=/dev/null
source "$script"
check_all
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
  # shellcheck source=/dev/null
  source /usr/share/bash-completion/bash_completion
  source "$script"
  check_all
fi
[[ $failures -eq 0 ]] && echo "completion: all offers as expected"
exit $((failures > 0))
