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

# The helpers for what runs on the virtual X server, sourced there by the command.
export QUORVIX_X_HELPERS="$here/x-helpers.sh"

# Runs a command on a virtual X server of its own, 1024 × 768. Xvfb picks a free
# display itself (-displayfd) and says which once it takes connections, so test runs
# started at the same moment, of this build or another, never pick the same one, as
# two `xvfb-run -a` can.
with_virtual_x() {
  local dir server display status
  dir=$(mktemp -d)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" 2>"$dir/log" &
  server=$!
  for _ in $(seq 300); do
    [ -s "$dir/display" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  display=$(head -n 1 "$dir/display")
  if [ -z "$display" ]; then
    echo "the virtual X server did not start: $(cat "$dir/log")"
    kill "$server" 2>/dev/null
    rm -rf "$dir"
    return 1
  fi
  status=0
  DISPLAY=":$display" "$@" || status=$?
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -rf "$dir"
  return "$status"
}
