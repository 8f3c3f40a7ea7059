#!/usr/bin/env bash
# Builds Quorvix (release) and starts the game. Without a display, it plays a few
# moves under a virtual X server and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

game=build/release/bin/quorvix
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$game"
fi
shot="$PWD/quorvix-screenshot.png"
echo "No display: playing a few moves on a virtual X server."
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/headless-game.sh "$game" "$shot"
echo "Screenshot of the game: $shot"
