#!/usr/bin/env bash
# A packager's source install into DESTDIR writes exactly its files where
# their users look, and the uninstall target removes every file and folder
# it made. What a user (uid 65534, a home from /etc/skel) meets, with the
# README's own commands and lines:
# - the x86_64 release archive in a ~/.local that holds other tools' files,
#   in folders at mode 0700 with an old date: bash, zsh and fish login
#   shells run roman, find its manual page and complete `roman -o `; its
#   removal leaves the other files and folders as they were;
# - root's installs into /usr/local (an overlay this script alone sees)
#   under umask 077, found the same way: the source install, then the same
#   build in the user's ~/.local, which root's uninstall leaves; the archive;
# - the archive and the README's fish line in Debian 11, for fish 3.1.
# Usage: .ci/user-install.sh RELEASE_DIR BUILD_DIR DEBIAN11_ROOT
# (BUILD_DIR: built; DEBIAN11_ROOT: as .ci/debian11.sh leaves it, with fish)
set -euo pipefail
source tools/common.sh
release=$(realpath "$1") build=$(realpath "$2") debian11=$3
chmod 755 "$work"
owner=$(stat -c %u:%g "$build")
trap 'rm -rf "$work"; chown -R "$owner" "$build"' EXIT

# A fresh user's home, with the given lines in ~/.zshrc and config.fish.
new_home() {
  home=$work/$1
  mkdir -p "$home/.config/fish"
  cp -rT /etc/skel "$home"
  printf '%s\n' "$2" >"$home/.zshrc"
  printf '%s\n' "$3" >"$home/.config/fish/config.fish"
  chown -R 65534:65534 "$home"
}
as_user() {
  setpriv --reuid=65534 --regid=65534 --clear-groups env -i HOME="$home" \
    TERM=dumb LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin "$@"
}

# Each login shell runs roman, finds its manual page under $1 and completes
# `roman -o ` (fish after making completions of every manual page).
shells_find_roman() {
  local expected shell flags script got
  expected=$(printf 'I II III \n%s\nn=roman roman=n' "$1/share/man/man1/roman.1.gz")
  for shell in bash zsh fish; do
    flags=-lic
    case $shell in
      bash) script='_completion_loader roman
        COMP_LINE="roman -o "; COMP_POINT=${#COMP_LINE}
        $(complete -p roman | sed -n "s/.*-F \([^ ]*\) .*/\1/p")
        echo "${COMPREPLY[*]}"' ;;
      zsh) script='words=(roman -o ""); CURRENT=3
        compadd() { print -r -- "${@[(r)--,-1][2,-1]}" }
        $_comps[roman]' ;;
      fish) flags=-lc script='fish_update_completions >/dev/null
        test -e ~/.local/share/fish/generated_completions/roman.fish || exit
        complete -C "roman -o " | string join " "' ;;
    esac
    got=$(as_user "$shell" "$flags" "roman 1:3 | tr '\n' ' '; echo; man -w roman
      $script" 2>"$work/$shell.err" </dev/null)
    # Debian's /usr/local/man links to share/man.
    got=$(awk 'NR == 2 { ("realpath " $0) | getline $0 } 1' <<<"$got")
    [ "$got" = "$expected" ] ||
      fault "$shell login shell printed:"$'\n'"$got"$'\n'"$(cat "$work/$shell.err")"
    echo "$shell: roman runs, man -w roman finds $1/share/man, roman -o completes"
  done
}

echo "-- A source install into DESTDIR, and the uninstall target"
DESTDIR=$work/destdir cmake --install "$build" --prefix /usr/local >/dev/null
installed=$(cd "$work/destdir/usr/local" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(holds source)" ] || fault "the install wrote:"$'\n'"$installed"
DESTDIR=$work/destdir cmake --build "$build" --target uninstall >/dev/null
left=$(find "$work/destdir" -mindepth 1)
[ -z "$left" ] || fault "uninstall left: $left"
echo "it wrote the $(wc -l <<<"$installed") files of a source install; uninstall left nothing"

echo "-- The release archive in ~/.local, beside other tools' files"
fish_line=$(readme_block 'fish (3.1' fish)
new_home archive "$(readme_block 'zsh needs' zsh)" "$fish_line"
others=(README.md LICENSE NEWS.md NOTICE bin/other share/man/man1/other.1.gz
        share/doc/other/README)
for file in "${others[@]}"; do
  mkdir -p "$(dirname "$home/.local/$file")"
  echo "another tool's $file" >"$home/.local/$file"
done
chown -R 65534:65534 "$home/.local"
find "$home/.local" -type d -exec chmod 700 {} + -exec touch -d @978307200 {} +
mapfile -t folders < <(find "$home/.local" -type d)
start=$(date +%s)
sums=$(cd "$home/.local" && sha256sum "${others[@]}")
cp "$release"/SHA256SUMS "$release"/roman-*-x86_64-linux.tar.gz "$home/"
install=$(readme_block 'Check it and unpack' sh)
as_user bash -euo pipefail -c "cd && $install"
# Each keeps its mode; one that gains a file takes that time, as with any install.
changed=$(stat -c '%a %Y %n' "${folders[@]}" |
  awk -v start="$start" '$1 != 700 || ($2 != 978307200 && $2 < start)')
[ -z "$changed" ] || fault "unpacking changed folders that were there:"$'\n'"$changed"
echo "folders that were there keep mode 0700, and their date unless they gained a file"
shells_find_roman "$home/.local"
as_user bash -euo pipefail -c "cd / && $(readme_block 'To remove it again' sh)"
(cd "$home/.local" && sha256sum --quiet -c - <<<"$sums") ||
  fault "the install and removal changed other tools' files"
# What fish made of every manual page it found is fish's.
left=$(cd "$home/.local" && find . -path ./share/fish/generated_completions -prune -o -type f -print | sort)
[ "$left" = "$(printf './%s\n' "${others[@]}" | sort)" ] ||
  fault "after the removal ~/.local holds:"$'\n'"$left"
echo "other tools' files unchanged; nothing of roman left"

echo "-- Root installs in /usr/local under umask 077: the source, then the archive"
new_home source "$(readme_block 'zsh needs' zsh | grep compinit)" \
  "$(readme_block "Debian's fish" fish)"
lines=$(readme_block 'Then install it' sh)
lines=${lines//sudo /}
lines=${lines// build / $build }
root_line=$(readme_block 'for every user' sh)
mkdir "$work/layers"
chown -R 65534:65534 "$build"  # the user's own build folder, as in the README
export -f shells_find_roman as_user fault
export home work
unshare -m bash -euo pipefail -c '
  mount -t tmpfs none "$1"
  mkdir "$1/upper" "$1/work"
  mount -t overlay overlay \
    -o "lowerdir=/usr/local,upperdir=$1/upper,workdir=$1/work" /usr/local
  (umask 077 && eval "$(head -n 1 <<<"$2")") >/dev/null
  shells_find_roman /usr/local
  as_user cmake --install "$3" --prefix "$home/.local" >/dev/null
  eval "$(sed -n 2p <<<"$2")" >/dev/null
  left=$(find "$1/upper" ! -type d)
  [ -z "$left" ] || fault "the root uninstall left: $left"
  [ -x "$home/.local/bin/roman" ] || fault "the root uninstall took the user'\''s"
  echo "then the user installed it into ~/.local; the root uninstall took only its own"
  as_user cmake --build "$3" --target uninstall >/dev/null
  cd "$4" && (umask 077 && eval "${5//sudo /}")
  shells_find_roman /usr/local
' user-install.sh "$work/layers" "$lines" "$build" "$release" "$root_line"

echo "-- The release archive in Debian 11's ~/.local, for its fish"
d11=$debian11/home/builder
rm -rf "$d11/.local" "$d11/.config/fish"
mkdir -p "$d11/.config/fish"
echo "$fish_line" >"$d11/.config/fish/config.fish"
cp "$release"/SHA256SUMS "$release"/roman-*-x86_64-linux.tar.gz "$d11/"
chroot "$debian11" chown -R builder:builder /home/builder
got=$(.ci/debian11.sh "$debian11" "{ $install; } >/dev/null
  fish -l -c 'fish --version; roman 1:3 | string join \" \"
    complete -C \"roman -o \" | string join \" \"'" 2>&1)
[ "$(sed 1d <<<"$got")" = $'I II III\nn=roman roman=n' ] ||
  fault "Debian 11's fish login printed:"$'\n'"$got"
echo "$(head -n 1 <<<"$got"), Debian 11: roman runs, roman -o completes"
