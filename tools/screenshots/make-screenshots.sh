#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots of the software centres (resources/screenshots/) from the
# real program under a private X server of 1024x768, at ten past ten in the morning:
#
#   tools/screenshots/make-screenshots.sh [PROGRAM]
#
# PROGRAM defaults to build/tempolino. Writes principale.png (the clock) and
# mappa.png (the time-zone map open); then, on a screen of 1920x1080, lavagna.png (the
# class clock with the minute numbers, the 13 to 24 ring, the words and the time passed). Needs Xvfb, matchbox-window-manager, xdotool,
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
kill "$APP"; wait "$APP" 2>/dev/null || true; APP=""
stop_x

# The class clock on a whiteboard's screen. It opens at about 10:09:50 and follows the
# computer; the first key on the face makes it stand on 10:10.
start_x 1920x1080
faketime -f "@$(date +%Y-%m-%d) 10:09:44" "$PROGRAM" --lavagna >/dev/null 2>&1 &
APP=$!
win=$(wait_window "^Orologio per la classe$" 30) ||
  { echo "make-screenshots.sh: the class clock did not appear" >&2; exit 1; }
sleep 1
keys() { xdotool key --window "$win" --delay 80 "$@"; }
keys Right Left
# The keyboard's order from the face: the loudspeaker, the eight step buttons, then the
# switches (seconds, minute numbers, 13-24, labels, figures, words, computer, time passed).
keys $(printf 'Tab %.0s' $(seq 1 11)) space Tab space Tab Tab Tab space Tab Tab space
# Back to the face, and twenty-five minutes on.
keys $(printf 'shift+Tab %.0s' $(seq 1 17)) shift+Right shift+Right shift+Right shift+Right shift+Right
xdotool mousemove 1915 5
sleep 1
import -window root "$OUT/lavagna.png"
echo "make-screenshots.sh: wrote $OUT/principale.png, $OUT/mappa.png and $OUT/lavagna.png"
