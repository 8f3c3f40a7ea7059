#!/usr/bin/env bash
# Fails when the static digest library defines an external name outside its interface
# (Hash*, qx_*) and its namespace: a caller's own Swap32 or Cpu must never clash. Weak
# copies of the standard library's templates are the standard library's, not ours.
set -u
library=${1:?usage: check_digest_exports.sh libquorvix-digest.a}
strays=$(nm --defined-only --extern-only -C "$library" |
  awk 'NF >= 3 && $0 !~ /:$/ { $1 = ""; sub(/^ /, ""); print }' |
  grep -v -E '^[A-Za-z] (Hash[A-Za-z]*[(:]|qx_[a-z_]+$|quorvix::|DW\.ref\.)' |
  grep -v -E '^[WVu] (std::|typeinfo for std::|vtable for std::)' | sort -u)
if [ -n "$strays" ]; then
  printf 'names outside the interface and quorvix:::\n%s\n' "$strays"
  exit 1
fi
echo "only the interface and quorvix:: names are exported"
