#!/usr/bin/env bash
# A player mashing keys and clicking anywhere, on the real program on a virtual X server
# with no window manager: random keys (arrows, Space, Return, the menu keys, Alt with
# the menus' letters, Escape, Tab, letters for the name entry) and clicks, at random
# moments. Every few seconds whatever the input opened is closed with Escape, and the
# main window must still answer its keys: F3 opens the leaders window. At the end F10
# closes the game, which exits normally.
# Usage: random_input_xtest.sh GAME [SECONDS [SEED]]   (a failure prints its seed)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
game=$(realpath -e "$1")
seconds=${2:-30}
seed=${3:-$(date +%s)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
source "$here/real-x-environment.sh" "$work"
echo "seed $seed, $seconds s"

with_virtual_x bash -c '
  set -euo pipefail
  source "$QUORVIX_X_HELPERS"
  game=$1 seconds=$2 RANDOM=$3 restarts=0
  keys=(Left Right Up Down Home End space Return KP_Enter F2 F3 F4 Escape Tab shift+Tab
        alt+g alt+o alt+h a Z 7 BackSpace Delete)
  log=()
  dialogs="^(Enter your name|Options|Leads|About Quorvix|Quorvix)$"
  fail() {
    echo "$1"
    echo "the inputs since the last check: ${log[*]: -60}"
    xdotool search --onlyvisible --name "." getwindowname %@ 2>/dev/null | sed "s/^/visible: /" || true
    kill $pid 2>/dev/null
    exit 1
  }
  start_game() {
    "$game" & pid=$!
    board=$(find_window "^Quorvix: ") || fail "the game window did not appear"
  }
  # The input may choose Exit from the Game menu: a game that ended so, with status 0,
  # is started again; any other end fails.
  ended_and_restarted() {
    kill -0 $pid 2>/dev/null && return 1
    local status=0
    wait $pid || status=$?
    [ $status -eq 0 ] || fail "the game ended with status $status"
    restarts=$((restarts + 1))
    start_game
  }
  start_game
  # Escape to whatever holds the keyboard (an open menu grabs it), then to every
  # window the input opened, until only the board is left.
  close_the_rest() {
    for _ in $(seq 20); do
      xdotool key Escape 2>/dev/null || true
      local open
      open=$(xdotool search --onlyvisible --name "$dialogs" 2>/dev/null || true)
      [ -z "$open" ] && return 0
      # The name entry takes no Escape: it closes with its name.
      for window in $open; do
        key=Escape
        [ "$(xdotool getwindowname "$window" 2>/dev/null || true)" = "Enter your name" ] && key=Return
        xdotool windowfocus --sync "$window" key $key 2>/dev/null || true
      done
      sleep 0.3
    done
    fail "windows the input opened do not close"
  }
  # A key that comes while the game waits (a miss turning back, the Show! flash, a
  # deal) is dropped by design, and on a slow machine a window can come up after the
  # others were closed: so they are closed again and F3 pressed again; a game that
  # ignores it four times over 12 s has stopped answering.
  still_answers() {
    for _ in 1 2 3 4; do
      close_the_rest
      ended_and_restarted && continue
      if ! send_keys "$board" F3; then
        ended_and_restarted && continue
        fail "the board cannot be focused"
      fi
      for _ in $(seq 15); do
        leads=$(xdotool search --onlyvisible --name "^Leads$" 2>/dev/null | head -n 1 || true)
        [ -n "$leads" ] && { send_keys "$leads" Escape || true; close_the_rest; return 0; }
        sleep 0.2
      done
    done
    fail "F3 on the focused board opened no leaders window, four times over 12 s"
  }
  end=$((SECONDS + seconds)) checks=0
  while [ $SECONDS -lt $end ]; do
    for _ in $(seq 40); do
      ended_and_restarted || true
      if [ $((RANDOM % 6)) -eq 0 ]; then
        x=$((RANDOM % 1024)) y=$((RANDOM % 768))
        log+=("click@$x,$y")
        xdotool mousemove $x $y click 1 2>/dev/null || true
      else
        key=${keys[RANDOM % ${#keys[@]}]}
        log+=("$key")
        xdotool key "$key" 2>/dev/null || true
      fi
      if [ $((RANDOM % 4)) -eq 0 ]; then
        pause=0.$((RANDOM % 6))
        log+=("sleep$pause")
        sleep $pause
      fi
    done
    still_answers
    checks=$((checks + 1))
  done
  ended_and_restarted || true
  send_keys "$board" F10 || fail "the board cannot be focused"
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill -0 $pid 2>/dev/null && fail "F10 on the focused board did not close the game"
  wait $pid || fail "the game exited with status $?"
  echo "answered its keys at each of $checks checks and closed with F10 (closed from its menu $restarts times and started again)"' _ "$game" "$seconds" "$seed"
