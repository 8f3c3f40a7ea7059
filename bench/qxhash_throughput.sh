#!/usr/bin/env bash
# qxhash beside openssl dgst, rhash, coreutils' *sum tools and cksum on one file held
# in the page cache (1 GiB by default), for every algorithm they share. Prints a
# Markdown table of MB/s (best of three runs each).
# Usage: bench/qxhash_throughput.sh QXHASH [FILE]
set -euo pipefail
qxhash=$1
file=${2:-}
if [ -z "$file" ]; then
  file=$(mktemp)
  trap 'rm -f "$file"' EXIT
  head -c $((1 << 30)) /dev/urandom > "$file"
fi
cat "$file" > /dev/null  # into the page cache
bytes=$(stat -c %s "$file")

best() {  # command... -> best wall time in seconds over three runs
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-999}" | awk '{t = $2 - $1; print (t < $3) ? t : $3}')
  done
  echo "$best"
}
rate() { echo "$1" | awk -v b="$bytes" '{printf "%.0f", b / $1 / 1e6}'; }

echo "| algorithm | qxhash MB/s | peers MB/s | qxhash / fastest |"
echo "|---|---:|---:|---:|"
row() {  # name qxhash-name peer-label:command...
  local name=$1 ours=$2
  shift 2
  local oursRate fastest=0 cells=""
  oursRate=$(rate "$(best "$qxhash" -a "$ours" "$file")")
  for peer in "$@"; do
    local label=${peer%%:*} command=${peer#*:}
    local r
    r=$(rate "$(best $command "$file")")
    cells+="$label $r, "
    [ "$r" -gt "$fastest" ] && fastest=$r
  done
  echo "| $name | $oursRate | ${cells%, } | $(awk -v a="$oursRate" -v b="$fastest" 'BEGIN {printf "%.2f", a / b}') |"
}
have() { command -v "$1" > /dev/null; }
peers() {  # keeps the peers whose program exists
  for peer in "$@"; do
    local command=${peer#*:}
    have "${command%% *}" && printf '%s\n' "$peer"
  done
}

mapfile -t p < <(peers "openssl:openssl dgst -md5" "rhash:rhash --md5" "md5sum:md5sum" "cksum:cksum -a md5")
row MD5 md5 "${p[@]}"
mapfile -t p < <(peers "openssl:openssl dgst -sha1" "rhash:rhash --sha1" "sha1sum:sha1sum" "cksum:cksum -a sha1")
row SHA-1 sha1 "${p[@]}"
mapfile -t p < <(peers "openssl:openssl dgst -sha256" "rhash:rhash --sha256" "sha256sum:sha256sum" "cksum:cksum -a sha256")
row SHA-256 sha256 "${p[@]}"
mapfile -t p < <(peers "openssl:openssl dgst -sha512" "rhash:rhash --sha512" "sha512sum:sha512sum" "cksum:cksum -a sha512")
row SHA-512 sha512 "${p[@]}"
mapfile -t p < <(peers "openssl:openssl dgst -ripemd160" "rhash:rhash --ripemd160")
row RIPEMD-160 ripemd160 "${p[@]}"
mapfile -t p < <(peers "rhash:rhash --md4")
row MD4 md4 "${p[@]}"
mapfile -t p < <(peers "rhash:rhash --crc32")
row CRC-32 crc32 "${p[@]}"
mapfile -t p < <(peers "rhash:rhash --tiger")
row Tiger tiger192 "${p[@]}"
mapfile -t p < <(peers "rhash:rhash --gost94")
row GOST gost "${p[@]}"
