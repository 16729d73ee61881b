#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Tempolino needs: with "run", what building and running
# the program need; with "test" (the default), those and what the tests, benchmarks and
# checks need besides. Only what is missing is installed, so a second run is quick and
# changes nothing.
set -euo pipefail

# What building and running the program need (`make run`).
RUN_PACKAGES=(
  # build
  build-essential cmake pkg-config
  # printing hands the page to the CUPS spooler through libcups
  libcups2-dev
  # the sounds go to the sound server through libpulse, from a thread of their own
  libpulse-dev
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins
  # a Wayland session runs the program as a Wayland program; Qt's own dialogs in Italian
  qt6-wayland qt6-translations-l10n
  libqt6svg6 libqt6multimedia6
  # the time said aloud: Qt's speech module over speech-dispatcher with the espeak-ng voices
  # (its Italian voice); Debian's CMake package of the module also asks for Qt6QmlIntegration,
  # which comes with qt6-declarative-dev
  qt6-speech-dev qt6-speech-speechd-plugin qt6-declarative-dev
  speech-dispatcher speech-dispatcher-espeak-ng
  # fonts: Liberation Sans stands in for Arial with the same metrics
  fonts-liberation fontconfig
)

# What the tests, the benchmarks and the checks need besides (`make test`).
TEST_PACKAGES=(
  # the suites' stand-ins reach into Qt: the screen reader's (accessibility) and the
  # stand-in clock's (Qt's event dispatcher of the platform)
  qt6-base-private-dev
  # process-level tests: a real X server, a small window manager and window tools
  xvfb xauth x11-utils x11-apps xdotool matchbox-window-manager imagemagick faketime
  # the Wayland test: a private headless compositor; the two-monitor test splits the
  # X screen with xrandr; the dark-scheme test: GTK's dark theme reaching Qt
  weston x11-xserver-utils qt6-gtk-platformtheme
  # accessibility test: a private session bus, the AT-SPI bus and registry, a reader of the tree
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  # sound test: a private sound server with a null sink, and its recorder
  pulseaudio pulseaudio-utils
  # printing tests: a print spooler with a PDF printer, and PDF readers
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # benchmarks, sanitizers (and their runtime) and fuzzing; instruction counts and the
  # first pixels on an X screen
  libbenchmark-dev clang libclang-rt-14-dev valgrind libx11-dev
  # generators of the pictures, checks of the sounds (and the sound test's resampling)
  xplanet-images librsvg2-bin sox
  # desktop integration and package checks (the manual pages are read with man)
  desktop-file-utils appstream dpkg-dev file lintian man-db binutils
)

case "${1:-test}" in
  run) PACKAGES=("${RUN_PACKAGES[@]}") ;;
  test) PACKAGES=("${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  *)
    echo "usage: $0 [run|test]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
