#!/usr/bin/env bash
# qxhash's bash completion, given the words as bash splits a command line (at "=" too).
# Usage: completion_test.sh COMPLETION_SCRIPT QXHASH
set -uo pipefail
script=$(realpath "$1")
PATH="$(dirname "$(realpath "$2")"):$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch files.sha256 films.txt
# shellcheck source=/dev/null
source "$script"
failures=0

# expect "WORD WORD ..." "EXPECTED COMPLETIONS": the last word is the one completed.
expect() {
  read -r -a COMP_WORDS <<< "$1"
  [[ $1 == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _qxhash
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ *$//')
  [ "$got" = "$2" ] || { echo "FAIL: '$1' completes to '$got', not '$2'"; failures=$((failures + 1)); }
}

expect "qxhash -a sha2" "sha256"
expect "qxhash --algorithm = tiger1" "tiger128 tiger160 tiger192"
all=$(qxhash --list | awk '{print $2}' | sort | tr '\n' ' ' | sed 's/ *$//')
expect "qxhash --algorithm = " "$all"
expect "qxhash --algorithm =" "$all"
expect "qxhash --algorithm=hav" "haval128 haval160 haval192 haval224 haval256"  # "=" not a word break
expect "qxhash --passes = " "3 4 5"
expect "qxhash -j " ""
expect "qxhash --sta" "--status"
expect "qxhash --algo" "--algorithm="
expect "qxhash -c fi" "files.sha256 films.txt"
expect "qxhash -a md5 fil" "files.sha256 films.txt"

echo "completions checked: $failures failed"
[ "$failures" = 0 ]
