#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program started with --lavagna on a 1920x1080 X screen: after the splash
# the class clock "Orologio per la classe" covers the whole screen with its face and its
# buttons drawn; Esc leaves it for the main window, whose button opens it again.
set -u
PROGRAM="$1"
. "$(dirname "$0")/lib.bash"
LOG=$(mktemp /tmp/tempolino-lavagna.XXXXXX)
SHOT=$(mktemp /tmp/tempolino-lavagna.XXXXXX.png)
trap 'kill "${APP:-}" 2>/dev/null; stop_x; [ -n "${KEEP:-}" ] && cp "$SHOT" "$KEEP"; rm -f "$LOG" "$SHOT"' EXIT

start_x 1920x1080
"$PROGRAM" --lavagna >"$LOG" 2>&1 &
APP=$!
win=$(wait_window "^Orologio per la classe$" 30) || fail "the class clock did not appear ($(cat "$LOG"))"
geometry=$(xwininfo -id "$win" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
  /Width:/ {w = $2} /Height:/ {h = $2} END {print x "," y " " w "x" h}')
[ "$geometry" = "0,0 1920x1080" ] || fail "the class clock covers $geometry, not the screen 0,0 1920x1080"

# Drawn: the face's grey dial in the middle of its square (the face fills the screen's
# height at the left, 1080 pixels), its black corner, and the red exit button at the
# bottom right of the panel.
pixel() { convert "$SHOT" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$1+$2" info:; }
# Around the hub (571, 540) at a third of the radius, diagonally: the hands cover at
# most two of the four points. The window shows before its first paint, so the screen
# is taken again until the dial is there (at most 10 s).
grey=0
for _ in $(seq 1 50); do
  import -window root "$SHOT" 2>/dev/null || fail "could not grab the screen"
  grey=0
  for point in "480 449" "662 449" "480 631" "662 631"; do
    colour=$(pixel $point)
    IFS=, read -r r g b <<<"$colour"
    [ "$r" = "$g" ] && [ "$g" = "$b" ] && [ "$r" -gt 60 ] && grey=$((grey + 1))
  done
  [ "$grey" -ge 2 ] && break
  sleep 0.2
done
corner=$(pixel 70 5)
[ "$corner" = "0,0,0" ] || fail "the face's corner is $corner, not black"
[ "$grey" -ge 2 ] || fail "the dial around the hub is not its grey ($grey of 4 points)"
found_exit=""
for y in $(seq 1000 5 1075); do
  colour=$(pixel 1500 "$y")
  IFS=, read -r r g b <<<"$colour"
  [ "$r" -gt 140 ] && [ "$g" -lt 60 ] && { found_exit=yes; break; }
done
[ -n "$found_exit" ] || fail "no red exit button at the bottom of the panel"

# Esc leaves for the main window; its own button opens the class clock again. (The
# window manager keeps F11 for itself here; the unit tests press F11 in the program.)
xdotool key Escape
for _ in $(seq 1 50); do
  xdotool search --onlyvisible --name "^Orologio per la classe$" >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name "^Orologio per la classe$" >/dev/null 2>&1 && fail "Esc did not leave the class clock"
main=$(wait_main_window 10) || fail "no main window behind the class clock"
# The button stands 12 pixels left of the command panel (58 wide, 20 from the right
# edge), level with its first button; the panel's top is the face's (516 pixels high).
w=$(xwininfo -id "$main" | awk '/Width:/ {print $2}')
h=$(xwininfo -id "$main" | awk '/Height:/ {print $2}')
xdotool mousemove --window "$main" $(( w - 58 - 20 - 12 - 19 )) $(( (h - 516) / 2 - 90 + 8 + 19 )) click 1
wait_window "^Orologio per la classe$" 10 >/dev/null || fail "the main window's button did not open the class clock again"
xdotool key Escape
sleep 0.5
kill -0 "$APP" 2>/dev/null || fail "the program ended with the class clock"
kill "$APP"; wait "$APP" 2>/dev/null; APP=""
echo "lavagna: ok"
