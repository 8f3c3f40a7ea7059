# Sourced by the tests that start the real program on a virtual X server, with the
# scratch folder as argument: home and configuration there, and the X11 platform.
here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
export HOME="$1" XDG_CONFIG_HOME="$1/config"
unset QT_QPA_PLATFORM  # the test runner's offscreen platform would hide the window
# In a sanitized build: libxkbcommon-x11 hands strndup a string that is not
# terminated within its length (a false alarm of the strndup interceptor), and the
# X11 and D-Bus libraries keep one-time allocations; neither is Quorvix's code.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}intercept_strndup=0:fast_unwind_on_malloc=0"
export LSAN_OPTIONS="suppressions=$here/x11-libraries.supp:print_suppressions=0"

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
export -f find_window send_keys
