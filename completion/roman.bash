# bash completion for roman(1)

_roman() {
  local cur prev words cword
  if declare -F _init_completion >/dev/null; then
    # Keeps n=roman one word.
    _init_completion -n = || return
  else
    words=("${COMP_WORDS[@]}")
    cword=$COMP_CWORD
    cur=${words[cword]}
    prev=${words[cword - 1]}
  fi
  COMPREPLY=()

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
        processors=$(nproc 2>/dev/null || getconf _NPROCESSORS_ONLN 2>/dev/null)
        mapfile -t COMPREPLY < <(compgen -W "$(seq 1 "${processors:-1}")" -- "$cur")
        ;;
      -o)
        mapfile -t COMPREPLY < <(compgen -W "n=roman roman=n" -- "$cur")
        ;;
    esac
  elif [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "-j -o" -- "$cur")
  fi
}
complete -F _roman roman
