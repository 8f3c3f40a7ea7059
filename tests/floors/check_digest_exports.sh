#!/usr/bin/env bash
# Fails when the static digest library defines an external name outside its interface
# (Hash*, qx_*) and its namespace: a caller's own Swap32 or Cpu must never clash. Read
# mangled, so that a template's return type does not hide its name: quorvix:: names
# are _ZN7quorvix..., the interface's _Z8HashInit... and qx_...; weak copies of the
# standard library's templates are the standard library's; a sanitizer's __odr_asan.
# marker stands for the name after it.
set -u
library=${1:?usage: check_digest_exports.sh libquorvix-digest.a}
strays=$(nm --defined-only --extern-only "$library" |
  awk 'NF >= 3 && $0 !~ /:$/ { print $2, $3 }' | sed 's/ __odr_asan\./ /' |
  grep -v -E ' (_ZN?K?7quorvix|_ZN?K?[0-9]+Hash|qx_[a-z_]+$|DW\.ref\.)' |
  grep -v -E '^[WVu] (_ZN?K?St|_ZNSt|_ZN9__gnu_cxx|_ZT[ISV]St|_ZT[ISV]N9__gnu_cxx)' | sort -u)
if [ -n "$strays" ]; then
  printf 'names outside the interface and quorvix:::\n'
  printf '%s\n' "$strays" | c++filt
  exit 1
fi
echo "only the interface and quorvix:: names are exported"
