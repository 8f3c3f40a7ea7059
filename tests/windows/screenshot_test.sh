#!/usr/bin/env bash
# Starts the real program on a virtual X server and checks, on a screenshot of its
# window, that the board shows 36 card backs in medium-grey frames.
# Usage: screenshot_test.sh GAME BACK_PICTURE
set -euo pipefail
here=$(dirname "$(realpath "$0")")
game=$(realpath "$1")
back=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
source "$here/real-x-environment.sh" "$work"

with_virtual_x bash -c '
  set -euo pipefail
  source "$QUORVIX_X_HELPERS"
  "$1" & pid=$!
  wid=$(find_window "^Quorvix: animals$" || true)
  if [ -z "$wid" ]; then echo "the game window did not appear"; kill $pid; exit 1; fi
  sleep 0.5
  import -window "$wid" shot.png
  send_keys "$wid" F10
  wait $pid' _ "$game"

height=$(identify -format '%h' shot.png)
menu=$((height - 505))
crop() { convert shot.png -crop "60x60+$((32 + 72 * $2 + 5))+$((menu + 24 + 72 * $1 + 5))" +repage "$3"; }
crop 0 0 first.png
failures=0
for row in 0 1 2 3 4 5; do
  for column in 0 1 2 3 4 5; do
    crop "$row" "$column" card.png
    differing=$(compare -metric AE first.png card.png null: 2>&1 || true)
    [ "$differing" = 0 ] || { echo "card at row $row, column $column differs from the first: $differing pixels"; failures=$((failures + 1)); }
  done
done
convert "$back" -resize 60x60! expected.png
error=$(compare -metric RMSE first.png expected.png null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
awk -v e="$error" 'BEGIN { exit !(e < 0.08) }' || { echo "the cards do not show the back picture (RMSE $error)"; failures=$((failures + 1)); }
frame=$(convert shot.png -format "%[pixel:p{33,$((menu + 25))}]" info:)
[ "$frame" = "srgb(160,160,164)" ] || { echo "frame colour is $frame"; failures=$((failures + 1)); }
[ -f config/Dravontek/Quorvix.ini ] || { echo "closing did not save the settings"; failures=$((failures + 1)); }
echo "36 card backs checked: $failures failed"
[ "$failures" = 0 ]
