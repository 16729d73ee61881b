#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the software centres (resources/screenshots/) from the
# real program under a private X server of 1024x768, at ten past ten in the morning:
#
#   tools/screenshots/make-screenshots.sh [PROGRAM]
#
# PROGRAM defaults to build/tempolino. Writes principale.png (the clock) and
# mappa.png (the time-zone map open). Needs Xvfb, matchbox-window-manager, xdotool,
# xwininfo, ImageMagick's import and faketime (scripts/install-deps.sh installs them).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
PROGRAM="${1:-$repo/build/tempolino}"
OUT="$repo/resources/screenshots"
[ -x "$PROGRAM" ] || { echo "make-screenshots.sh: $PROGRAM is not built" >&2; exit 1; }
. "$repo/tests/process/lib.bash"

cleanup() {
  [ -n "${APP:-}" ] && kill "$APP" 2>/dev/null
  stop_x
}
trap cleanup EXIT

start_x 1024x768
mkdir -p "$OUT"
# Sounds are not needed for pictures: no sound server is started.
faketime -f "@$(date +%Y-%m-%d) 10:10:25" "$PROGRAM" >/dev/null 2>&1 &
APP=$!
main=$(wait_main_window 30) || { echo "make-screenshots.sh: the main window did not appear" >&2; exit 1; }
# The clock has run for a moment after the splash: the second hand away from the others.
sleep 2
import -window root "$OUT/principale.png"

# The map button, the second of the command panel (20 pixels from the right edge, level
# with the clock face's top; 516 pixels high at this screen size).
w=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
h=$(xwininfo -id "$main" | awk '/Height:/ {print $2}')
face_top=$(( (h - 516) / 2 - 90 ))
xdotool mousemove --window "$main" $(( w - 58 - 20 + 10 + 20 )) $(( face_top + 56 + 20 )) click 1
# The opening animation lasts about 1.5 s; then the pointer goes out of the way.
sleep 3
xdotool mousemove --window "$main" 5 $(( h - 5 ))
sleep 0.5
import -window root "$OUT/mappa.png"
echo "make-screenshots.sh: wrote $OUT/principale.png and $OUT/mappa.png"
