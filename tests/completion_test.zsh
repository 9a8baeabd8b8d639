# Checks the zsh completion's offers, typed into a real interactive zsh that
# finds _roman through its fpath and compinit.
# Argument: the completion file.
zmodload zsh/zpty || exit 1
folder=${1:A:h}
result=$(mktemp -d)/offers
failures=0

# The shell under test: no start-up files; ^T completes the line and writes
# the offers, one line, to $result.
zpty shell zsh -f -i
zpty -w shell "fpath=(${(q)folder} \$fpath); autoload -Uz compinit; compinit -u -D"
zpty -w shell "_offers() {
  local -a offers
  compadd() { local -a found; builtin compadd -O found \"\$@\"; offers+=(\$found) }
  _main_complete
  unfunction compadd
  print -r -- \"\${(j: :)offers}\" >${(q)result}
}"
zpty -w shell 'zle -C offers complete-word _offers; bindkey "^T" offers'

# Types the line (second argument), completes it and compares the offers
# with the expected ones (first argument).
expect() {
  rm -f $result
  zpty -w -n shell "$2"$'\x14'
  local -i tries=0
  while [[ ! -s $result ]] && ((tries++ < 200)); do sleep 0.05; done
  local got=$(<$result)
  zpty -w -n shell $'\x15'  # kill the line
  while zpty -r -t shell; do :; done >/dev/null  # keep the terminal drained
  if [[ $got != "$1" ]]; then
    print -r -- "FAIL: '$2' offered '$got', expected '$1'"
    ((failures++))
  fi
}

expect "$(seq -s ' ' 1 $(getconf _NPROCESSORS_ONLN))" 'roman -j '
expect 'n=roman roman=n' 'roman -o '
expect 'roman=n' 'roman -o r'
expect '-j -o' 'roman -'
expect '-o' 'roman -j 2 -o'
expect '' 'roman '
expect '' 'roman 1:3 -'
expect '' 'roman 1:3 -j '
expect '' 'roman -j 2 5 -o '
zpty -d shell
((failures == 0)) && print "zsh completion: all offers as expected"
exit $failures
