#!/usr/bin/env bash
# The real program on a virtual X server with a folder where leads.dat should be:
# the problem is told once, the player dismisses it, plays on, closes the game
# normally, and the settings are saved.
# Usage: leads_folder_xtest.sh GAME
set -euo pipefail
here=$(dirname "$(realpath "$0")")
game=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir leads.dat
source "$here/real-x-environment.sh" "$work"

with_virtual_x bash -c '
  set -euo pipefail
  source "$QUORVIX_X_HELPERS"
  "$1" & pid=$!
  report=$(find_window "^Quorvix$" || true)
  if [ -z "$report" ]; then echo "no report of the unreadable leaders file"; kill $pid; exit 1; fi
  send_keys "$report" Return
  board=$(find_window "^Quorvix: animals$" || true)
  if [ -z "$board" ]; then echo "the game window did not appear"; kill $pid; exit 1; fi
  sleep 0.5
  if xdotool search --onlyvisible --name "^Quorvix$" >/dev/null 2>&1; then echo "the report came back"; kill $pid; exit 1; fi
  send_keys "$board" F10
  for i in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  if kill -0 $pid 2>/dev/null; then echo "the game did not close"; kill $pid; exit 1; fi
  wait $pid' _ "$game"

[ -f config/Dravontek/Quorvix.ini ] || { echo "closing did not save the settings"; exit 1; }
[ -d leads.dat ] || { echo "the folder named leads.dat was replaced"; exit 1; }
echo "told once, closed normally, settings saved"
