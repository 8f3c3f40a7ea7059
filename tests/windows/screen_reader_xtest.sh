#!/usr/bin/env bash
# The real program as a blind player meets it: a virtual X server with a window
# manager (openbox), a private D-Bus session with the accessibility bus switched on
# as a desktop does, the screen reader Orca, and a player that knows only what
# arrives over AT-SPI and plays whole games by keyboard (screen_reader_player.py).
# Orca's own record of its speech must hold every announcement, in order.
# Usage: screen_reader_xtest.sh GAME [GAMES]
# (Debian's own Python, whose pyatspi the project installs, not any other first on PATH)
set -euo pipefail
here=$(dirname "$(realpath "$0")")
game=$(realpath -e "$1")
games=${2:-3}
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
cd "$work"
source "$here/real-x-environment.sh" "$work"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
mkdir -p config/Dravontek
printf '[General]\ndelay=500\n' > config/Dravontek/Quorvix.ini  # the first game at half a second

with_virtual_x dbus-run-session -- bash -c '
  set -euo pipefail
  source "$QUORVIX_X_HELPERS"
  gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
    --method org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled "<true>" > /dev/null
  openbox --sm-disable > openbox.log 2>&1 & wm=$!
  /usr/bin/python3 "$2/orca_line_buffered.py" --debug-file="$PWD/orca.debug" > orca.log 2>&1 & reader=$!
  for _ in $(seq 300); do grep -q "Screen reader on" orca.debug 2>/dev/null && break; sleep 0.1; done
  "$1" > game.log 2>&1 & pid=$!
  status=0
  /usr/bin/python3 "$2/screen_reader_player.py" "$3" orca.debug || status=$?
  xdotool key F10 || true
  for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
  kill $pid $reader $wm 2>/dev/null || true
  wait $pid || status=1
  exit $status' _ "$game" "$here" "$games" || { cat game.log; exit 1; }
