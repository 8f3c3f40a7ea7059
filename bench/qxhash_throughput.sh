#!/usr/bin/env bash
# qxhash beside openssl dgst, rhash, coreutils' *sum tools and cksum, wall time, each
# command's runs alternating with the others' (median of five), files in the page cache:
#   large  one file (1 GiB of random bytes by default), every algorithm they share;
#   many   10,000 files of 1 KiB, named on the command line;
#   check  a list of 100,000 entries (files of 1 KiB), checked with -c;
#   lanes  10,000 files of 64 KiB on one core: qxhash digesting them side by side in
#          vector lanes (at every lane width the processor has) against qxhash one file
#          at a time (capped at sse4, where the library has no lanes), and the others;
#          then qxhash on every processor beside the others.
# Prints Markdown tables.
# Usage: bench/qxhash_throughput.sh QXHASH [large|many|check|lanes|all] [FILE]
set -euo pipefail
qxhash=$(realpath "$1")
what=${2:-all}
file=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=5

have() { command -v "$1" > /dev/null; }

# Runs each command (a string, its words and file patterns expanded in $work) $runs
# times, alternating between them; prints the median wall time of each, in seconds,
# one per line. The timed span includes the shell's fork and the pattern's expansion,
# the same for every command.
medians() {
  local -a times=()
  local i c
  for ((i = 0; i < runs; i++)); do
    for ((c = 1; c <= $#; c++)); do
      local start end
      start=$(date +%s.%N)
      (cd "$work" && eval "exec ${!c}") > /dev/null
      end=$(date +%s.%N)
      times+=("$c $(echo "$start $end" | awk '{print $2 - $1}')")
    done
  done
  for ((c = 1; c <= $#; c++)); do
    printf '%s\n' "${times[@]}" | awk -v c="$c" '$1 == c {print $2}' | sort -g | awk '{t[NR] = $1} END {print t[int((NR + 1) / 2)]}'
  done
}

# A table row: label, qxhash's command, then peers as "name:command". Every time is
# net of the same command line given to `true` (the fork, and the shell's expansion of
# ten thousand file names), measured alongside.
row() {
  local label=$1 ours=$2
  shift 2
  local -a names=() commands=("$ours")
  local peer
  for peer in "$@"; do
    names+=("${peer%%:*}")
    commands+=("${peer#*:}")
  done
  local baseline="true ${ours#* }"
  mapfile -t raw < <(medians "$baseline" "${commands[@]}")
  local -a t=()
  local k
  for ((k = 1; k < ${#raw[@]}; k++)); do t+=("$(awk -v a="${raw[$k]}" -v b="${raw[0]}" 'BEGIN {print a - b}')"); done
  local cells="" fastest=999 i
  for ((i = 0; i < ${#names[@]}; i++)); do
    cells+="${names[$i]} $(printf '%.3f' "${t[$((i + 1))]}") s, "
    fastest=$(awk -v a="$fastest" -v b="${t[$((i + 1))]}" 'BEGIN {print (b < a) ? b : a}')
  done
  echo "| $label | $(printf '%.3f' "${t[0]}") s | ${cells%, } | $(awk -v a="${t[0]}" -v b="$fastest" 'BEGIN {printf "%.2f", b / a}') |"
}

peers() {  # the peers whose program exists
  local peer
  for peer in "$@"; do
    local command=${peer#*:}
    have "${command%% *}" && printf '%s\n' "$peer"
  done
}

machine() {
  echo "Machine: $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1), $(nproc) processors; qxhash with every level its processor has."
  echo
}

large() {
  local f=${file:-$work/large}
  [ -n "$file" ] || head -c $((1 << 30)) /dev/urandom > "$f"
  cat "$f" > /dev/null
  echo "### One file of $(($(stat -c %s "$f") >> 20)) MiB"
  echo
  echo "| algorithm | qxhash | others | fastest other / qxhash |"
  echo "|---|---:|---|---:|"
  local p
  mapfile -t p < <(peers "openssl:openssl dgst -md5 $f" "rhash:rhash --md5 $f" "md5sum:md5sum $f" "cksum:cksum -a md5 $f")
  row MD5 "$qxhash -a md5 $f" "${p[@]}"
  mapfile -t p < <(peers "openssl:openssl dgst -sha1 $f" "rhash:rhash --sha1 $f" "sha1sum:sha1sum $f" "cksum:cksum -a sha1 $f")
  row SHA-1 "$qxhash -a sha1 $f" "${p[@]}"
  mapfile -t p < <(peers "openssl:openssl dgst -sha256 $f" "rhash:rhash --sha256 $f" "sha256sum:sha256sum $f" "cksum:cksum -a sha256 $f")
  row SHA-256 "$qxhash -a sha256 $f" "${p[@]}"
  mapfile -t p < <(peers "openssl:openssl dgst -sha512 $f" "rhash:rhash --sha512 $f" "sha512sum:sha512sum $f" "cksum:cksum -a sha512 $f")
  row SHA-512 "$qxhash -a sha512 $f" "${p[@]}"
  mapfile -t p < <(peers "openssl:openssl dgst -ripemd160 $f" "rhash:rhash --ripemd160 $f")
  row RIPEMD-160 "$qxhash -a ripemd160 $f" "${p[@]}"
  mapfile -t p < <(peers "rhash:rhash --md4 $f")
  row MD4 "$qxhash -a md4 $f" "${p[@]}"
  mapfile -t p < <(peers "rhash:rhash --crc32 $f")
  row CRC-32 "$qxhash -a crc32 $f" "${p[@]}"
  mapfile -t p < <(peers "rhash:rhash --tiger $f")
  row Tiger "$qxhash -a tiger $f" "${p[@]}"
  mapfile -t p < <(peers "rhash:rhash --gost94 $f")
  row GOST "$qxhash -a gost $f" "${p[@]}"
  echo
}

small_files() {  # count [size]
  local size=${2:-1024}
  mkdir -p "$work/files"
  (cd "$work/files" && head -c $(($1 * size)) /dev/urandom | split -a 6 -d -b "$size" - f)
  find "$work/files" -type f -exec cat {} + > /dev/null
}

many() {
  small_files 10000
  echo "### 10,000 files of 1 KiB"
  echo
  echo "| algorithm | qxhash | others | fastest other / qxhash |"
  echo "|---|---:|---|---:|"
  local p
  many_rows
  echo
  rm -rf "$work/files"
}

many_rows() {  # [qxhash options]: MD5, SHA-1, SHA-256 and SHA-512 over files/*, beside the others
  local p
  mapfile -t p < <(peers "md5sum:md5sum files/*" "rhash:rhash --md5 files/*" "openssl:openssl dgst -md5 files/*")
  row MD5 "$qxhash $* -a md5 files/*" "${p[@]}"
  mapfile -t p < <(peers "sha1sum:sha1sum files/*" "rhash:rhash --sha1 files/*" "openssl:openssl dgst -sha1 files/*")
  row SHA-1 "$qxhash $* -a sha1 files/*" "${p[@]}"
  mapfile -t p < <(peers "sha256sum:sha256sum files/*" "rhash:rhash --sha256 files/*" "openssl:openssl dgst -sha256 files/*")
  row SHA-256 "$qxhash $* -a sha256 files/*" "${p[@]}"
  mapfile -t p < <(peers "sha512sum:sha512sum files/*" "rhash:rhash --sha512 files/*" "openssl:openssl dgst -sha512 files/*")
  row SHA-512 "$qxhash $* -a sha512 files/*" "${p[@]}"
}

has_lanes() {  # avx512 | avx2: whether the processor has what the library's lanes need
  local flags
  flags=$(sed -n 's/^flags\s*: //p' /proc/cpuinfo | head -n 1)
  case $1 in
    avx512) [[ " $flags " == *" avx512f "* && " $flags " == *" avx512bw "* && " $flags " == *" avx512vl "* ]] ;;
    avx2) [[ " $flags " == *" avx2 "* ]] ;;
  esac
}

lanes() {
  small_files 10000 65536
  echo "### 10,000 files of 64 KiB on one core (-j 1): side by side against one at a time"
  echo
  echo "| algorithm, level | qxhash | qxhash one file at a time | one at a time / side by side |"
  echo "|---|---:|---|---:|"
  local a level
  for a in md5 sha1 sha256 sha512; do
    for level in avx512 avx2; do
      has_lanes "$level" || continue
      row "$a, $level" \
        "env QUORVIX_DIGEST_LEVEL=$level $qxhash -j 1 -a $a files/*" \
        "one at a time:env QUORVIX_DIGEST_LEVEL=sse4 $qxhash -j 1 -a $a files/*"
    done
  done
  echo
  echo "### The same files, one core, beside the others"
  echo
  echo "| algorithm | qxhash | others | fastest other / qxhash |"
  echo "|---|---:|---|---:|"
  many_rows -j 1
  echo
  echo "### The same files, qxhash on every processor, beside the others"
  echo
  echo "| algorithm | qxhash | others | fastest other / qxhash |"
  echo "|---|---:|---|---:|"
  many_rows
  echo
  rm -rf "$work/files"
}

check() {
  small_files 100000
  (cd "$work" && find files -type f | sort | xargs sha256sum > list)
  echo "### A list of 100,000 entries (files of 1 KiB), checked"
  echo
  echo "| algorithm | qxhash -c | others | fastest other / qxhash |"
  echo "|---|---:|---|---:|"
  local p
  mapfile -t p < <(peers "sha256sum:sha256sum -c --quiet list" "rhash:rhash -c --skip-ok list")
  row SHA-256 "$qxhash -c --quiet list" "${p[@]}"
  echo
  rm -rf "$work/files" "$work/list"
}

machine
case $what in
  large) large ;;
  many) many ;;
  check) check ;;
  lanes) lanes ;;
  all) large; many; check; lanes ;;
  *) echo "unknown: $what" >&2; exit 2 ;;
esac
