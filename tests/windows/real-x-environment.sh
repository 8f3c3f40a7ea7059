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

# The helpers for what runs on the virtual X server: xvfb-run starts it through sh,
# which passes on no shell functions, so it sources them from here.
export QUORVIX_X_HELPERS="$here/x-helpers.sh"
