#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Quorvix need,
# skipping those already present. Run as root (or with sudo available).
set -euo pipefail

packages=(
  # build, with GCC and with clang (and clang's fuzzing and sanitizer runtime)
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
  # the game, and a font for its texts; the picture formats beyond Qt's own that
  # cardgen reads (WebP, TIFF, TGA, ...)
  qt6-base-dev fonts-dejavu-core qt6-image-formats-plugins
  # its sounds, and its languages (lrelease; Qt's own texts translated)
  qt6-multimedia-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # playing and testing it without a display: a virtual X server, input and screenshots
  xvfb xauth xdotool imagemagick
  # hearing the game's sounds: a sound server with a null output, and its recorder
  pulseaudio pulseaudio-utils
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # Qt's platform accessibility switch, which tests of screen-reader events flip; and
  # the real thing: the AT-SPI bus, the screen reader Orca, an AT-SPI client for
  # Debian's Python, a private D-Bus session and a window manager
  qt6-base-private-dev at-spi2-core orca python3-pyatspi gir1.2-atspi-2.0 dbus-daemon libglib2.0-bin openbox
  # independent digest implementations, used only by tests and benchmarks
  libssl-dev libgcrypt20-dev zlib1g-dev nettle-dev librhash-dev libmhash-dev
  # the command-line peers of bench/qxhash_throughput.sh
  openssl rhash
  # checking the installed files and the Debian package, and the digest library used
  # from C and Python
  desktop-file-utils appstream man-db lintian python3
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
