#!/usr/bin/env bash
# Runs what the README and the manual page show, against the built roman:
# - each "$ command" of a README console block must print exactly the lines
#   shown under it (standard output and standard error, as a terminal shows);
# - each other call of roman, a `roman ...` code span in the README or a
#   .B/.BR "roman ..." line in the manual page, must end with status 0 and
#   nothing on standard error, unless the same line names the message that
#   it prints.
# Arguments: the folder of the built roman, README.md, the manual page.
set -uo pipefail
export PATH="$1:$PATH" LC_ALL=C
readme=$2
manual=$3
processors=$(getconf _NPROCESSORS_ONLN)
failures=0
checked=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Prints what `$1` writes to standard output and standard error.
run() { timeout 10 bash -c "$1" 2>&1; }

# The console blocks: the command after "$ ", then what it shows.
check_console() {
  local command="" shown="" line inside=0
  while IFS= read -r line; do
    if ((!inside)); then
      [[ $line == '```console' ]] && inside=1
      continue
    fi
    if [[ $line == '$ '* || $line == '```' ]]; then
      if [[ -n $command ]]; then
        checked=$((checked + 1))
        local got
        got=$(run "$command")
        [[ $got == "$shown" ]] ||
          fail "README: '$command' printed:"$'\n'"$got"$'\n'"README shows:"$'\n'"$shown"
      fi
      command=${line#'$ '} shown=""
      if [[ $line == '```' ]]; then inside=0 command=""; fi
    else
      shown+=${shown:+$'\n'}$line
    fi
  done <"$readme"
}

# Checks one call $2 shown on line $3 of file $1.
check_call() {
  local file=$1 call=$2 line=$3 err status=0
  checked=$((checked + 1))
  err=$(timeout 10 bash -c "$call" 2>&1 >/dev/null) || status=$?
  if [[ $err == 'Not enought threads, exiting: Success' && $call == *'-j '* &&
        $processors -lt 2 ]]; then
    echo "skipped on one processor: $call"
  elif [[ -n $err ]]; then
    [[ $line == *"${err%%: *}"* ]] ||
      fail "$file: '$call' printed '$err', which its line does not name"
  elif ((status != 0)); then
    fail "$file: '$call' ended with status $status"
  fi
}

check_calls() {
  local line call
  # README: code spans outside fenced blocks.
  while IFS= read -r line; do
    while [[ $line =~ \`(roman [^\`]*)\` ]]; do
      call=${BASH_REMATCH[1]}
      check_call README "${call//\\|/|}" "$line"
      line=${line/"\`$call\`"/}
    done
  done < <(awk '/^```/ { inside = !inside; next } !inside' "$readme")
  # The manual page: bold text that starts with roman and an argument.
  while IFS= read -r line; do
    if [[ $line =~ ^\.BR?\ \"(roman [^\"]*)\" || $line =~ ^\.B\ (roman .*)$ ]]; then
      call=${BASH_REMATCH[1]}
      check_call "manual page" "${call//\\-/-}" "$line"
    fi
  done <"$manual"
}

check_console
check_calls
echo "$checked commands and calls from the README and the manual page run"
((checked > 0)) || fail "no command or call found"
exit $((failures > 0))
