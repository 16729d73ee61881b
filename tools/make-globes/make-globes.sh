#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the globe and map generator and rewrites resources/globe/*.png and
# resources/map/world_map.png.
#
#   tools/make-globes/make-globes.sh [BUILD_DIR] [extra make-globes options]
#
# BUILD_DIR defaults to /tmp/tempolino-make-globes. Extra options go to the
# generator, e.g. --preview /tmp/globes-sheet.png to get an enlarged sheet of
# all pictures for checking them by eye.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
build=/tmp/tempolino-make-globes
if [ $# -gt 0 ] && [ "${1#-}" = "$1" ]; then
    build="$1"
    shift
fi

texture=/usr/share/xplanet/images/earth.jpg
if [ ! -r "$texture" ]; then
    echo "make-globes.sh: $texture is missing; install the Debian package xplanet-images" >&2
    exit 1
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2
"$build/make-globes" --texture "$texture" "$@" "$repo/resources"
