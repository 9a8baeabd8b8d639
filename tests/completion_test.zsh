# Checks the zsh completion's offers, typed into a real interactive zsh that
# finds _roman through its fpath and compinit.
# Arguments: the completion file, the table of cases every shell shares.
zmodload zsh/zpty || exit 1
folder=${1:A:h}
cases=$2
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

processors=$(seq -s ' ' 1 $(getconf _NPROCESSORS_ONLN))
while IFS='|' read -r offers line rest; do
  [[ $offers == '#'* ]] && continue
  expect "${offers/@processors@/$processors}" "$line"
done <$cases
zpty -d shell
((failures == 0)) && print "zsh completion: all offers as expected"
exit $failures
