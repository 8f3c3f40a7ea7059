#!/usr/bin/env bash
# The real program's sounds reach a real sound server: PulseAudio with a null output,
# whose monitor is recorded while a card is turned. Then Game -> Sound turns them off,
# the next card is silent, and the choice is saved.
# Usage: sound_xtest.sh GAME
set -euo pipefail
here=$(dirname "$(realpath "$0")")
game=$(realpath -e "$1")
work=$(mktemp -d)
cd "$work"
source "$here/real-x-environment.sh" "$work"
# The sound server of this test only: not the desktop's, nor the one the test presets
# name so that the other tests play nothing on a developer's speakers.
unset PULSE_SERVER
export XDG_RUNTIME_DIR="$work/runtime" PULSE_RUNTIME_PATH="$work/runtime/pulse"
mkdir -p "$PULSE_RUNTIME_PATH"
chmod 700 "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --log-level=error \
  --load="module-null-sink sink_name=quorvix" --load="module-native-protocol-unix" > "$work/pulse.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do pactl info > /dev/null 2>&1 && break; sleep 0.1; done
pactl info > /dev/null 2>&1 || { echo "the sound server did not start: $(cat "$work/pulse.log")"; exit 1; }

with_virtual_x bash -c '
  set -euo pipefail
  source "$QUORVIX_X_HELPERS"
  # The loudest sample recorded from the null output while the keys are sent.
  loudest_while() {
    parec --latency-msec=10 --device=quorvix.monitor --format=s16le --rate=22050 --channels=1 --raw > recorded.raw & local recorder=$!
    sleep 0.5
    send_keys "$board" "$@"
    sleep 1.5
    kill -INT $recorder; wait $recorder 2>/dev/null || true
    python3 -c "import array, sys; a = array.array(\"h\", open(\"recorded.raw\", \"rb\").read()); print(max(map(abs, a), default=0))"
  }
  "$1" & pid=$!
  board=$(find_window "^Quorvix: ") || { echo "the game window did not appear"; kill $pid; exit 1; }
  heard=$(loudest_while space)
  [ "$heard" -gt 1000 ] || { echo "no sound reached the server when a card was turned (loudest $heard)"; kill $pid; exit 1; }
  send_keys "$board" alt+g o  # Game -> Sound: off
  sleep 0.5
  quiet=$(loudest_while Right space)
  [ "$quiet" -lt 100 ] || { echo "a sound played with the sound off (loudest $quiet)"; kill $pid; exit 1; }
  send_keys "$board" F10
  wait $pid
  echo "a card turned was heard (loudest sample $heard); with the sound off, silence ($quiet)"' _ "$game"
grep -q "^sound=false$" config/Dravontek/Quorvix.ini || { echo "the choice was not saved"; exit 1; }
