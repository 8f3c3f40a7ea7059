#!/usr/bin/env bash
# Installs a built tree as a user would, and checks what lands:
#   1. `cmake --install` into a scratch prefix: the file tree, the menu entry, the
#      AppStream metadata and the manual pages valid;
#   2. the installed game started headless (the screenshot check), and where it writes
#      leads.dat started from the menu and from a folder; qxhash from any folder;
#   3. the digest library from outside: a CMake project (shared and static), a C
#      program through pkg-config, Python through ctypes;
#   4. the Debian package: built by cpack, clean under lintian, its dependencies
#      found, and the game and qxhash run from its unpacked files.
# Usage: install_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$(realpath "$1")
build_dir=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
step() { echo "--- $*"; }
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
mkdir -p "$HOME"

step "cmake --install"
cmake --install "$build_dir" --prefix "$prefix" > "$work/install.log"
app=com.dravontek.Quorvix
for file in bin/quorvix games/quorvix bin/qxhash bin/cardgen lib/quorvix/quorvix \
  lib/quorvix/gfx/animals/space.bmp lib/quorvix/gfx/flags/18.bmp lib/quorvix/gfx/fruit/names.txt \
  share/applications/$app.desktop share/metainfo/$app.metainfo.xml \
  share/icons/hicolor/48x48/apps/$app.png share/icons/hicolor/256x256/apps/$app.png \
  share/man/man6/quorvix.6.gz share/man/man1/qxhash.1.gz share/man/man1/cardgen.1.gz \
  share/man/de/man6/quorvix.6.gz share/man/pl/man6/quorvix.6.gz \
  share/bash-completion/completions/qxhash \
  share/doc/quorvix/copyright share/doc/quorvix/changelog.gz \
  include/quorvix/CryptoAPI.h include/quorvix/CryptoC.h \
  lib/libquorvix-digest.so.2 lib/libquorvix-digest.a lib/pkgconfig/quorvix-digest.pc \
  lib/cmake/QuorvixDigest/QuorvixDigestConfig.cmake; do
  [ -e "$prefix/$file" ] || fail "not installed: $file"
done
[ -e "$prefix/lib/quorvix/gfx/README" ] && fail "the card sets' README was installed"
[ -x "$prefix/bin/quorvix" ] || fail "bin/quorvix is not executable"
[ "$(readlink -f "$prefix/games/quorvix")" = "$(readlink -f "$prefix/bin/quorvix")" ] || fail "games/quorvix does not lead to bin/quorvix"

desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "the menu entry is not valid"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app.metainfo.xml" > "$work/appstream.log" 2>&1 \
  || { cat "$work/appstream.log"; fail "the AppStream metadata is not valid"; }
for page in man6/quorvix.6.gz man1/qxhash.1.gz man1/cardgen.1.gz {de,fr,es,it,pl}/man6/quorvix.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$prefix/share/man/$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
done

step "the installed game and tools"
bash "$source_dir/tests/windows/screenshot_test.sh" "$prefix/bin/quorvix" "$prefix/lib/quorvix/gfx/animals/space.bmp" \
  || fail "the installed game did not show its board"
bash "$source_dir/tests/install/leads_place_xtest.sh" "$prefix" || fail "leads.dat is not where it belongs"
version=$(sed -n 's/^project(Quorvix VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ "$(cd / && "$prefix/bin/qxhash" --version | head -n 1)" = "qxhash (Quorvix) $version" ] || fail "qxhash --version"
printf abc > "$work/abc"
[ "$("$prefix/bin/qxhash" -a md5 "$work/abc" | cut -d' ' -f1)" = 900150983cd24fb0d6963f7d28e17f72 ] || fail "the installed qxhash"

step "the digest library from outside"
mkdir -p "$work/consumer"
cat > "$work/consumer/CMakeLists.txt" << 'EOF'
cmake_minimum_required(VERSION 3.25)
project(consumer CXX)
find_package(QuorvixDigest 1 CONFIG REQUIRED)
add_executable(shared main.cpp)
target_link_libraries(shared PRIVATE QuorvixDigest::digest)
add_executable(static main.cpp)
target_link_libraries(static PRIVATE QuorvixDigest::digest_static)
EOF
cat > "$work/consumer/main.cpp" << 'EOF'
#include <quorvix/CryptoAPI.h>
#include <iostream>
int main() {
    std::string digest;
    if (HashString(HASH_SHA256, "abc", digest) != HASH_ERR_NONE) return 1;
    // The batch call too is exported, and gives the same digests.
    const HashMessage messages[2] = {{"abc", 3}, {"abc", 3}};
    std::string digests[2];
    if (HashBatch(HASH_SHA256, messages, 2, digests) != HASH_ERR_NONE || digests[1] != digest) return 1;
    std::cout << digest << '\n';
}
EOF
expected_sha256=ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad
if cmake -S "$work/consumer" -B "$work/consumer/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" > "$work/consumer.log" 2>&1 &&
   cmake --build "$work/consumer/build" >> "$work/consumer.log" 2>&1; then
  [ "$("$work/consumer/build/shared")" = $expected_sha256 ] || fail "a CMake program on the shared library"
  [ "$("$work/consumer/build/static")" = $expected_sha256 ] || fail "a CMake program on the static library"
  ldd "$work/consumer/build/static" | grep -q quorvix && fail "the static library's program loads the shared one"
else
  cat "$work/consumer.log"; fail "a CMake project cannot use the installed library"
fi
cat > "$work/consumer/main.c" << 'EOF'
#include <quorvix/CryptoC.h>
#include <stdio.h>
int main(void) {
    char hex[QX_MAX_HEX];
    int failed = qx_digest_buffer(QX_MD5, "abc", 3, hex, sizeof hex);
    if (failed) { fprintf(stderr, "%s\n", qx_error_text(failed)); return 1; }
    puts(hex);
    return qx_self_test() == 0 ? 0 : 1;
}
EOF
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
# shellcheck disable=SC2046 # the flags are words
if cc -std=c99 -Wall -Werror -o "$work/consumer/c" "$work/consumer/main.c" $(pkg-config --cflags --libs quorvix-digest); then
  [ "$(LD_LIBRARY_PATH="$prefix/lib" "$work/consumer/c")" = 900150983cd24fb0d6963f7d28e17f72 ] || fail "a C program through pkg-config"
else
  fail "a C program cannot build through pkg-config"
fi
python3 - "$prefix/lib/libquorvix-digest.so.2" << 'EOF' || fail "Python through ctypes"
import ctypes, hashlib, sys
lib = ctypes.CDLL(sys.argv[1])
lib.qx_type_name.restype = ctypes.c_char_p
lib.qx_digest_buffer.argtypes = [ctypes.c_uint32, ctypes.c_char_p, ctypes.c_size_t, ctypes.c_char_p, ctypes.c_size_t]
types = (ctypes.c_uint32 * 32)()
count = lib.qx_list_types(types, 32)
assert count == 21, count
codes = {lib.qx_type_name(types[i]).decode(): types[i] for i in range(count)}
hex = ctypes.create_string_buffer(129)
message = b"The quick brown fox jumps over the lazy dog"
for name, oracle in (("MD5", hashlib.md5), ("SHA512", hashlib.sha512)):
    assert lib.qx_digest_buffer(codes[name], message, len(message), hex, 129) == 0
    assert hex.value.decode() == oracle(message).hexdigest(), (name, hex.value)
small = ctypes.create_string_buffer(32)  # no room for MD5's terminating zero
assert lib.qx_digest_buffer(codes["MD5"], message, len(message), small, 32) == 7
messages = [bytes([i]) * (i * 37) for i in range(40)]
data = (ctypes.c_char_p * len(messages))(*messages)
lengths = (ctypes.c_size_t * len(messages))(*map(len, messages))
texts = ctypes.create_string_buffer(65 * len(messages))
assert lib.qx_digest_batch(codes["SHA256"], data, lengths, ctypes.c_size_t(len(messages)), texts, ctypes.c_size_t(65)) == 0
for i, m in enumerate(messages):
    assert texts.raw[65 * i:65 * i + 64].decode() == hashlib.sha256(m).hexdigest(), i
EOF

step "the Debian package"
if cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1; then
  deb=$(ls "$work"/package/quorvix_*.deb)
  lintian --fail-on error,warning --suppress-tags-from-file "$source_dir/tests/install/lintian-accepted" "$deb" \
    || fail "lintian finds faults in the package"
  depends=$(dpkg-deb -f "$deb" Depends)
  for library in libqt6widgets6 libc6 libstdc++6 qt6-qpa-plugins qt6-image-formats-plugins; do
    [[ "$depends" == *"$library"* ]] || fail "the package does not depend on $library: $depends"
  done
  dpkg-deb -x "$deb" "$work/unpacked"
  [ -e "$work/unpacked/usr/include" ] && fail "the game's package holds the library's headers"
  bash "$source_dir/tests/windows/screenshot_test.sh" "$work/unpacked/usr/games/quorvix" "$work/unpacked/usr/lib/quorvix/gfx/animals/space.bmp" \
    || fail "the packaged game did not show its board"
  [ "$("$work/unpacked/usr/bin/qxhash" -a sha256 "$work/abc" | cut -d' ' -f1)" = $expected_sha256 ] || fail "the packaged qxhash"
  # A player's set made by the packaged cardgen, from the installed sets' pictures.
  faces=("$source_dir"/gfx/fruit/{1..18}.bmp)
  "$work/unpacked/usr/bin/cardgen" make "$work/own-set" "$source_dir/gfx/flags/space.bmp" "${faces[@]}" > /dev/null \
    && [ -s "$work/own-set/18.bmp" ] && [ "$(sed -n 18p "$work/own-set/names.txt")" = 18 ] || fail "the packaged cardgen"
else
  cat "$work/cpack.log"; fail "cpack could not build the package"
fi

echo "install checks: $failures failed"
[ "$failures" = 0 ]
