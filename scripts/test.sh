#!/usr/bin/env bash
# Builds and runs every test: once optimised (release, including the long tests), once
# under AddressSanitizer and UndefinedBehaviorSanitizer (asan), where any sanitizer
# report fails the run, and once built with clang (clang), with its fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)
for preset in release asan clang; do
  echo "=== $preset ==="
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
