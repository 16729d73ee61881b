#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tempolino need.
# Only what is missing is installed, so a second run is quick and changes nothing.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake pkg-config
  # printing hands the page to the CUPS spooler through libcups
  libcups2-dev
  # the sounds go to the sound server through libpulse, from a thread of their own
  libpulse-dev
  qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-qpa-plugins
  # the screen reader's stand-in of the suites switches Qt's accessibility on (Qt's platform headers)
  qt6-base-private-dev
  libqt6svg6 libqt6multimedia6
  # the time said aloud: Qt's speech module over speech-dispatcher with the espeak-ng voices
  # (its Italian voice); Debian's CMake package of the module also asks for Qt6QmlIntegration,
  # which comes with qt6-declarative-dev
  qt6-speech-dev qt6-speech-speechd-plugin qt6-declarative-dev
  speech-dispatcher speech-dispatcher-espeak-ng
  # fonts: Liberation Sans stands in for Arial with the same metrics
  fonts-liberation fontconfig
  # process-level tests: a real X server, a small window manager and window tools
  xvfb xauth x11-utils x11-apps xdotool matchbox-window-manager imagemagick faketime
  # accessibility test: a private session bus, the AT-SPI bus and registry, a reader of the tree
  dbus-daemon dbus-bin at-spi2-core python3-pyatspi
  # sound test: a private sound server with a null sink, and its recorder
  pulseaudio pulseaudio-utils
  # printing tests: a print spooler with a PDF printer, and PDF readers
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # benchmarks, sanitizers and fuzzing; instruction counts and the first pixels on an X screen
  libbenchmark-dev clang libclang-rt-14-dev valgrind libx11-dev
  # generators of the pictures, checks of the sounds (and the sound test's resampling)
  xplanet-images librsvg2-bin sox
  # desktop integration and package checks (the manual pages are read with man)
  desktop-file-utils appstream dpkg-dev file lintian man-db binutils
)

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
