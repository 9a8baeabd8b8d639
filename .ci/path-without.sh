#!/usr/bin/env bash
# Fills DIR with links to every command of this machine's usual folders but
# the ones named, for a PATH=DIR that lacks them.
# Usage: .ci/path-without.sh DIR NAME...
set -euo pipefail
bin=$1
shift
mkdir -p "$bin"
rm -rf "${bin:?}"/*
for folder in /usr/local/bin /usr/bin /bin /usr/sbin /sbin; do
  for command in "$folder"/*; do
    name=${command##*/}
    case " $* " in *" $name "*) continue ;; esac
    [ -e "$bin/$name" ] || ln -s "$command" "$bin/$name"
  done
done
