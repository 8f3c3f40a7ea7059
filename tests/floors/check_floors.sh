#!/usr/bin/env bash
# Fails when a product source includes a header of a floor it may not use, as
# Chromium's checkdeps does with its include rules. A quoted include names its floor
# ("model/LeadsFile.h"), or is a header beside the including file; the generated
# version header is the one exception. A project header is never included in angle
# brackets nor by a path with "..", which would slip past these rules. Each tool has
# its own allowance. The models use QtCore at most.
set -u
top=${1:?usage: check_floors.sh SOURCE_DIR [QTCORE_INCLUDE_DIR]}
qtcore=${2:-}
cd "$top" || exit 2

# What each floor may include, itself first.
declare -A may=(
  [digest]="digest"
  [widgets]="widgets"
  [model]="model"
  [ui]="ui model"
  [windows]="windows ui model widgets"
  [app]="app windows ui model widgets"
  [tools/qxhash]="digest"
  [tools/cardgen]="ui model"
  [tools/sliderdemo]="widgets"
)
floors="digest widgets model ui windows app tools"

faults=0
fault() { echo "$1"; faults=$((faults + 1)); }

for floor in "${!may[@]}"; do
  while IFS= read -r file; do
    dir=$(dirname "$file")
    while IFS=: read -r line include; do
      header=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]*)".*/\1/' <<<"$include")
      if [[ "/$header/" == */../* ]]; then
        fault "$file:$line: \"$header\" goes up with \"..\"; name the floor instead"
        continue
      fi
      case $header in
        QuorvixVersion.h) continue ;;
        */*) first=${header%%/*}
             if [[ ! " ${may[$floor]} " == *" $first "* ]]; then
               fault "$file:$line: $floor may not include \"$header\" (it may use: ${may[$floor]})"
             elif [ ! -f "$header" ]; then
               fault "$file:$line: \"$header\" does not exist"
             fi ;;
        *) [ -f "$dir/$header" ] || fault "$file:$line: \"$header\" is neither beside it nor named with its floor" ;;
      esac
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
    while IFS=: read -r line include; do
      fault "$file:$line: a project header in angle brackets: $include"
    done < <(grep -n -E "^[[:space:]]*#[[:space:]]*include[[:space:]]*<(${floors// /|})/" "$file")
  done < <(git ls-files --cached --others --exclude-standard -- "$floor/*.h" "$floor/*.cpp" 2>/dev/null || find "$floor" -name '*.h' -o -name '*.cpp' 2>/dev/null)
done

# The models use QtCore at most: every Qt header they name is one of QtCore's.
if [ -n "$qtcore" ]; then
  while IFS=: read -r file line include; do
    header=$(sed -E 's/.*<([^>]*)>.*/\1/' <<<"$include")
    [ -f "$qtcore/${header#QtCore/}" ] || fault "$file:$line: the models use QtCore at most, not <$header>"
  done < <(grep -H -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' model/*.h model/*.cpp)
fi

if [ "$faults" -gt 0 ]; then
  echo "$faults include(s) break the floors"
  exit 1
fi
echo "every include keeps to its floor"
