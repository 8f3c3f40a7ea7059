#!/usr/bin/env bash
# Builds Quorvix (release) and starts the game. It plays in the user's data folder
# ($XDG_DATA_HOME/Quorvix), where it keeps leads.dat, so that playing never changes
# this checkout. Without a display, it plays a few moves under a virtual X server and
# saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
# The game alone (its card sets come with it): the tests and benchmarks are for
# scripts/test.sh, and a first start need not wait for them.
cmake --build --preset release -j "$(nproc)" --target quorvix

game=$PWD/build/release/bin/quorvix
data=${XDG_DATA_HOME:-$HOME/.local/share}/Quorvix
mkdir -p "$data"
cd "$data"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$game"
fi
shot=${TMPDIR:-/tmp}/quorvix-screenshot.png
echo "No display: playing a few moves on a virtual X server."
xvfb-run -a -s "-screen 0 1024x768x24" bash "$OLDPWD/scripts/headless-game.sh" "$game" "$shot"
echo "Screenshot of the game: $shot"
