#!/usr/bin/env bash
# Where an installed game keeps leads.dat. Started through its menu entry's command
# from the home folder, as a desktop starts it: in $XDG_DATA_HOME/Quorvix/ (made as
# needed), never in the home folder. Started from a folder: in that folder. Each start
# writes the file the way a player can without winning a game (Leads, Clear, Yes) on a
# virtual X server, then closes the game.
# Usage: leads_place_xtest.sh PREFIX
set -euo pipefail
prefix=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$(realpath "$0")")/../windows/real-x-environment.sh" "$work/home"
export XDG_DATA_HOME="$work/home/data" PATH="$prefix/bin:$PATH"
mkdir -p "$HOME" "$work/folder"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs the command (its words) in the folder, clears the leaders table, closes the game.
clear_leaders_from() {
  local folder=$1
  shift
  (cd "$folder" && with_virtual_x bash -c '
    set -euo pipefail
    source "$QUORVIX_X_HELPERS"
    "$@" & pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    board=$(find_window "^Quorvix: ") || { echo "the game window did not appear"; exit 1; }
    send_keys "$board" F3
    leads=$(find_window "^Leads$") || { echo "the leaders window did not appear"; exit 1; }
    xdotool mousemove --window "$leads" 44 212 click 1   # Clear
    question=$(find_window "^Quorvix$") || { echo "no question before clearing"; exit 1; }
    send_keys "$question" alt+y
    sleep 0.5
    send_keys "$leads" Escape
    sleep 0.3
    send_keys "$board" F10
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && { echo "the game did not close"; exit 1; }
    trap - EXIT
    wait $pid' _ "$@")
}

desktop="$prefix/share/applications/com.dravontek.Quorvix.desktop"
read -r -a menu_command <<< "$(sed -n 's/^Exec=//p' "$desktop")"
clear_leaders_from "$HOME" "${menu_command[@]}" || fail "the start through the menu entry's command"
[ -f "$XDG_DATA_HOME/Quorvix/leads.dat" ] || fail "started from the menu, leads.dat is not in \$XDG_DATA_HOME/Quorvix"
[ -e "$HOME/leads.dat" ] && fail "started from the menu, leads.dat was written into the home folder"

rm -rf "$XDG_DATA_HOME/Quorvix"
clear_leaders_from "$work/folder" quorvix || fail "the start from a folder"
[ -f "$work/folder/leads.dat" ] || fail "started from a folder, leads.dat is not in that folder"
[ -e "$XDG_DATA_HOME/Quorvix/leads.dat" ] && fail "started from a folder, leads.dat went to the data folder"

echo "where leads.dat goes: $failures failed"
[ "$failures" = 0 ]
