#!/usr/bin/env bash
# Runs digest_bench at every instruction-set level this machine has, each as a run of
# its own, and writes the tables into one Markdown file. At each level the other
# libraries are held to the same level: OpenSSL through OPENSSL_ia32cap, Nettle through
# NETTLE_FAT_OVERRIDE, libgcrypt by digest_bench itself (librhash, libmhash and zlib
# have no paths of their own beyond plain x86-64).
# Usage: bench/run_digest_bench.sh BENCH OUTPUT.md [digest_bench options]
set -euo pipefail
bench=$1
output=$2
shift 2

# OpenSSL's masks: the bits of CPUID leaf 1 (ECX in the high half) and leaf 7 (EBX in
# the low half, ECX in the high half) to clear.
declare -A openssl=(
  [portable]="~0x1258120200000000:~0xffffffffffffffff"  # PCLMULQDQ, SSSE3, FMA, SSE4.1/4.2, MOVBE, AES, AVX; all of leaf 7
  [sse4]="~0x1000100000000000:~0xffffffffdfffffff"      # FMA, AVX; all of leaf 7 but SHA
  [avx2]="~0:~0x5842dc230000"                           # AVX-512 F, DQ, IFMA, PF, ER, CD, BW, VL, VBMI, VBMI2, VNNI, BITALG, VPOPCNTDQ
  [avx512]="~0:~0"
)
declare -A nettle=([portable]="none" [sse4]="sha_ni,pclmul,aesni" [avx2]="sha_ni,pclmul,aesni" [avx512]="")

machine=$("$bench" --benchmark_filter='^$' 2>/dev/null | sed -n 's/.*level in use: \([a-z0-9]*\).*/\1/p')
levels=()
for level in portable sse4 avx2 avx512; do
  levels+=("$level")
  [ "$level" = "$machine" ] && break
done

: > "$output"
for level in "${levels[@]}"; do
  echo "=== level $level ===" >&2
  env QUORVIX_DIGEST_LEVEL="$level" OPENSSL_ia32cap="${openssl[$level]}" \
      ${nettle[$level]:+NETTLE_FAT_OVERRIDE="${nettle[$level]}"} \
      "$bench" --benchmark_color=false --markdown="$output" "$@" >&2
done
echo "Tables written to $output" >&2
