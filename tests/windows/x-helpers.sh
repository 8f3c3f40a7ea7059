# Sourced by the commands run on the virtual X server.

# xdotool gives up with an X error (BadWindow) when a window it looks at goes away
# meanwhile, as the program's short-lived windows do at start-up on a loaded machine:
# these look again until the window is there or 30 s have passed.
find_window() {
  local id=
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}
# Focuses the window and types the keys, again after an X error.
send_keys() {
  local window=$1
  shift
  for _ in 1 2 3 4 5; do
    xdotool windowfocus --sync "$window" key "$@" 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}
