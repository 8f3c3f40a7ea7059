#!/usr/bin/env bash
# The floor check on a small tree of its own: clean, it passes; with each kind of bad
# include planted in turn, it fails and names the file.
set -u
check=${1:?usage: planted_includes_test.sh CHECK_FLOORS_SH}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
for folder in digest model ui windows tools/qxhash tools/cardgen; do mkdir -p "$tree/$folder"; done
for header in digest/Hash.h model/Board.h ui/Look.h windows/Form.h; do echo '#pragma once' >"$tree/$header"; done
printf '#include "model/Board.h"\n' >"$tree/ui/Look.cpp"
printf '#include "digest/Hash.h"\n#include "Beside.h"\n' >"$tree/tools/qxhash/Main.cpp"
echo '#pragma once' >"$tree/tools/qxhash/Beside.h"
bash "$check" "$tree" >/dev/null || { echo "FAILED: the clean tree was refused"; bash "$check" "$tree"; exit 1; }

failed=0
while IFS='|' read -r what file include; do
  printf '%s\n' "$include" >>"$tree/$file"
  if out=$(bash "$check" "$tree") || [[ "$out" != *"$file"* ]]; then
    echo "FAILED: $what ($include in $file) passed the check"
    failed=1
  fi
  sed -i '$d' "$tree/$file"
done <<'PLANTED'
a model including a window|model/Board.h|#include "windows/Form.h"
the digest library including a model|digest/Hash.h|#include "model/Board.h"
a header that is not there|ui/Look.h|#include "Missing.h"
a project header in angle brackets|model/Board.h|#include <ui/Look.h>
a way up with ..|ui/Look.h|#include "../windows/Form.h"
.. inside a floor's path|ui/Look.cpp|#include "model/../windows/Form.h"
qxhash including the game's pictures|tools/qxhash/Main.cpp|#include "ui/Look.h"
cardgen including a window|tools/cardgen/Make.cpp|#include "windows/Form.h"
PLANTED
[ "$failed" -eq 0 ] && echo "8 passed, 0 failed"
exit "$failed"
