#!/usr/bin/env bash
# Builds the release tree and makes the Debian package of the game and qxhash,
# build/release/packages/quorvix_<version>_amd64.deb, checked with lintian.
# Install it with: apt-get install ./build/release/packages/quorvix_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
cpack -G DEB --config build/release/CPackConfig.cmake -B build/release/packages
lintian --suppress-tags-from-file tests/install/lintian-accepted build/release/packages/quorvix_*.deb
ls build/release/packages/quorvix_*.deb
