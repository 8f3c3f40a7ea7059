#!/usr/bin/env bash
# Runs Quorvix on the X display in $DISPLAY (a virtual one under xvfb-run), plays a
# few moves with xdotool, saves a screenshot of the window and closes the game.
# Usage: headless-game.sh GAME SCREENSHOT
set -euo pipefail
game=$1
shot=$2

QT_QPA_PLATFORM=xcb "$game" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quorvix: ' | head -n 1 || true)
[ -n "$wid" ] || { echo "The game window did not appear." >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$wid")"   # WIDTH, HEIGHT
menu=$((HEIGHT - 505))                                # the board lies below the menu bar

click_cell() {  # cell 1..36
  local row=$((($1 - 1) / 6)) column=$((($1 - 1) % 6))
  xdotool mousemove --window "$wid" $((32 + 72 * column + 35)) $((menu + 24 + 72 * row + 35)) click 1
  sleep 0.3
}
for cell in 1 2 8 14 15; do click_cell "$cell"; done
sleep 1
import -window "$wid" "$shot"
xdotool windowfocus "$wid" key F10
wait "$pid" || true
trap - EXIT
