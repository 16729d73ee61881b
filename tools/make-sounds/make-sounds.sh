#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuilds the sound generator in a temporary folder, rewrites
# resources/sounds/101.wav … 109.wav and checks the result.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${MAKE_SOUNDS_BUILD_DIR:-/tmp/make-sounds-build}
out="$root/resources/sounds"

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null
"$build/make-sounds" "$out"
"$build/make-sounds" --check "$out"
