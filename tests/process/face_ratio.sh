#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The clock face at a device pixel ratio of 1.25 (QT_SCALE_FACTOR): the real program runs
# under Xvfb following the computer's time for a minute, while the face repaints only
# where the hands moved each second. The clock is then stopped with its mode button, the
# face is photographed, the whole window is painted afresh from the program's state, and
# the face is photographed again: the two pictures must match in every pixel. Specks left
# behind by the partial repaints would show up as differences.
#
# SCALE=1 runs it at ratio 1; RUN=SECONDS changes the minute of running; KEEP=1 leaves
# the screenshots and the log in place for a look.
set -u
PROGRAM="${1:?the program path}"
HERE="$(cd "$(dirname "$0")" && pwd)"
. "$HERE/lib.bash"
A="/usr/bin/python3 $HERE/accessibile.py"
SCALE="${SCALE:-1.25}"
RUN="${RUN:-60}"

for tool in xdotool xwininfo import compare convert; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

WORK=$(mktemp -d /tmp/tempolino-face.XXXXXX) || fail "cannot make a temporary folder"
APP=""
cleanup() {
  [ -n "$APP" ] && kill "$APP" 2>/dev/null && wait "$APP" 2>/dev/null
  stop_a11y
  stop_x
  if [ -n "${KEEP:-}" ]; then echo "kept $WORK" >&2; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
mkdir -p "$WORK/home"

# Numbers of the window system: a box "x y width height" of the program's own pixels,
# as the accessibility bus tells it, in the screen's pixels (rounded outward).
scaled_box() {
  local x y w h
  read -r x y w h <<<"$1"
  awk -v s="$SCALE" -v x="$x" -v y="$y" -v w="$w" -v h="$h" 'function ceil(v) { return v == int(v) ? v : int(v) + 1 }
    BEGIN { printf "%d %d %d %d\n", int(x * s), int(y * s), ceil((x + w) * s) - int(x * s), ceil((y + h) * s) - int(y * s) }'
}

# Photographs the face into $1.
shoot_face() {
  import -window root -crop "${FACE_W}x${FACE_H}+${FACE_X}+${FACE_Y}" +repage "$1" 2>/dev/null ||
    fail "no screenshot of the face"
}

# How many pixels of pictures $1 and $2 differ (0 when they match).
differing() {
  compare -metric AE "$1" "$2" "$WORK/diff.png" 2>&1 >/dev/null | awk '{ print int($1) }'
}

start_x 1600x1200
start_a11y
# Qt tells in its log each area of each widget that it paints: the test sees there that
# the face was painted whole after the window came back.
HOME="$WORK/home" QT_SCALE_FACTOR="$SCALE" QT_LOGGING_RULES="qt.widgets.painting=true" \
  "$PROGRAM" >"$WORK/program.log" 2>&1 &
APP=$!
WIN=$(wait_main_window 30) || fail "the main window did not appear"
kill -0 "$APP" 2>/dev/null || fail "the program ended instead of running"
GEOMETRY=$(xwininfo -id "$WIN" | grep -E "Absolute|Width|Height")

LOGICAL=$($A riquadro Orologio) || fail "the face (Orologio) is not on the accessibility bus"
read -r _ _ FACE_LW FACE_LH <<<"$LOGICAL"
read -r FACE_X FACE_Y FACE_W FACE_H <<<"$(scaled_box "$LOGICAL")"
echo "face: $FACE_W x $FACE_H pixels at ($FACE_X, $FACE_Y), $FACE_LW x $FACE_LH at ratio $SCALE" >&2

# The clock follows the computer's time: each second the hands move and the face
# repaints the boxes around where they were and where they are.
sleep "$RUN"
kill -0 "$APP" 2>/dev/null || fail "the program ended while the clock ran"

# The mode button for setting the time by hand stops the clock at a whole minute. The
# pointer then goes to a corner, so no tooltip or hover lies over the face.
BUTTON=$($A riquadro "Modifica i minuti o le ore") || fail "no button named \"Modifica i minuti o le ore\""
read -r x y w h <<<"$(scaled_box "$BUTTON")"
xdotool mousemove $((x + w / 2)) $((y + h / 2)) click 1
sleep 0.2
xdotool mousemove 0 1199

# The face stands still: two photographs a second apart match.
shoot_face "$WORK/before.png"
still=""
for _ in $(seq 1 10); do
  sleep 1
  shoot_face "$WORK/again.png"
  [ "$(differing "$WORK/before.png" "$WORK/again.png")" = 0 ] && { still=yes; break; }
  mv "$WORK/again.png" "$WORK/before.png"
done
[ -n "$still" ] || fail "the face still changes after the clock was stopped"

# A drawn face, not an empty picture: a good part of it is the dial's shaded grey.
grey=$(convert "$WORK/before.png" -fx "r == g && g == b && r > 0.1 && r < 0.93" \
  -format "%[fx:round(mean * w * h)]" info:)
echo "dial grey: $grey of $((FACE_W * FACE_H)) pixels" >&2
[ "$grey" -ge $((FACE_W * FACE_H / 3)) ] || fail "the face shows no dial ($grey grey pixels)"

# The window is minimized and brought back: Qt paints the whole face afresh from the
# program's state (the face loses the focus and takes it again, and repaints itself all).
lines=$(wc -l <"$WORK/program.log")
xdotool windowminimize "$WIN"
for _ in $(seq 1 50); do
  xwininfo -id "$WIN" | grep -q "IsViewable" || break
  sleep 0.1
done
xwininfo -id "$WIN" | grep -q "IsViewable" && fail "the window did not go away when minimized"
sleep 0.5
xdotool windowactivate "$WIN"
whole=""
for _ in $(seq 1 50); do
  tail -n +$((lines + 1)) "$WORK/program.log" | grep "Drawing QRegion(" | grep "of QuadranteOrologio(" |
    grep -q -E "QRegion\((size=[0-9]+, bounds=\()?0,0 ${FACE_LW}x${FACE_LH}\)" && { whole=yes; break; }
  sleep 0.1
done
[ -n "$whole" ] || fail "the face was not painted whole when the window came back"
[ "$(xwininfo -id "$WIN" | grep -E "Absolute|Width|Height")" = "$GEOMETRY" ] ||
  fail "the window came back elsewhere or in another size"
sleep 1
shoot_face "$WORK/after.png"

# Every pixel of the face kept from the partial repaints equals the face painted afresh.
n=$(differing "$WORK/before.png" "$WORK/after.png")
echo "pixels of the face that differ after the whole repaint: $n" >&2
if [ "$n" != 0 ]; then
  cp "$WORK/before.png" "/tmp/tempolino-face-before-$$.png"
  cp "$WORK/after.png" "/tmp/tempolino-face-after-$$.png"
  cp "$WORK/diff.png" "/tmp/tempolino-face-diff-$$.png"
  fail "$n pixels of the face differ from the face painted afresh \
(/tmp/tempolino-face-{before,after,diff}-$$.png)"
fi
kill -0 "$APP" 2>/dev/null || fail "the program ended"
echo "PASS: the face at ratio $SCALE, repainted in parts for $RUN s, equals the face painted whole" >&2
