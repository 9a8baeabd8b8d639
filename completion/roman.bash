# bash completion for roman(1)

_roman() {
  COMPREPLY=()
  # The words are taken from the line itself, so that n=roman stays one word
  # whatever COMP_WORDBREAKS says.
  local line=${COMP_LINE:0:COMP_POINT}
  local -a words
  read -ra words <<<"$line"
  [[ $line == *[[:space:]] || ${#words[@]} -eq 0 ]] && words+=("")
  local cword=$((${#words[@]} - 1))
  local cur=${words[cword]}
  local prev=${words[cword - 1]:-}

  # Options stand in pairs before the range argument; once an argument in
  # an option's place is something else, it was the range and nothing
  # after it is read.
  local i
  for ((i = 1; i < cword; i += 2)); do
    case ${words[i]} in
      -j | -o) ;;
      *) return 0 ;;
    esac
  done

  if ((cword % 2 == 0)); then
    case $prev in
      -j)
        local processors
        # The processors roman counts: those online, whatever the affinity.
        processors=$(getconf _NPROCESSORS_ONLN 2>/dev/null)
        mapfile -t COMPREPLY < <(compgen -W "$(seq 1 "${processors:-1}")" -- "$cur")
        ;;
      -o)
        mapfile -t COMPREPLY < <(compgen -W "n=roman roman=n" -- "$cur")
        # Readline replaces only what follows the last '=' it splits at.
        if [[ $cur == *=* && $COMP_WORDBREAKS == *=* ]]; then
          COMPREPLY=("${COMPREPLY[@]#"${cur%=*}="}")
        fi
        ;;
    esac
  elif [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "-j -o" -- "$cur")
  fi
}
complete -F _roman roman
