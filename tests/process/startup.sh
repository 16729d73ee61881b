#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under an X server: its main window appears after the splash,
# a second copy ends at once without a window, without a window manager the main
# window still covers the screen, and a screen below 800x600 gets the message and no
# main window.
set -u
PROGRAM="$1"
. "$(dirname "$0")/lib.bash"
trap 'kill "${APP:-}" "${SMALL:-}" 2>/dev/null; stop_x' EXIT

start_x 1280x1024
"$PROGRAM" >/tmp/tempolino-startup.$$.log 2>&1 &
APP=$!
launched=$(date +%s%N)
wait_main_window 30 >/dev/null || fail "the main window did not appear"
shown_ms=$(( ($(date +%s%N) - launched) / 1000000 ))
[ "$shown_ms" -ge 4500 ] || fail "the main window appeared after ${shown_ms} ms, before the splash had its 5 seconds"
kill -0 "$APP" 2>/dev/null || fail "the program ended instead of running"

before=$(xdotool search --onlyvisible --name "^Tempolino$" | wc -l)
start=$(date +%s%N)
timeout 10 "$PROGRAM" >/dev/null 2>&1
rc=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$rc" = 0 ] || fail "the second copy ended with code $rc"
[ "$elapsed_ms" -lt 3000 ] || fail "the second copy took ${elapsed_ms} ms to end"
after=$(xdotool search --onlyvisible --name "^Tempolino$" | wc -l)
[ "$after" = "$before" ] || fail "the second copy left a window"
kill -0 "$APP" 2>/dev/null || fail "the first copy did not survive the second"
kill "$APP"; wait "$APP" 2>/dev/null; APP=""
stop_x

# A bare X session without a window manager: nobody maximizes the window, which
# covers the screen all the same.
start_x 1024x768 nowm
"$PROGRAM" >/dev/null 2>&1 &
APP=$!
main=$(wait_main_window 30) || fail "without a window manager the main window did not cover the screen"
size=$(xwininfo -id "$main" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
[ "$size" = 1024x768 ] || fail "without a window manager the main window is $size, not 1024x768"
kill "$APP"; wait "$APP" 2>/dev/null; APP=""
stop_x

# A screen of 799x600: the message titled "Tempolino", then the program ends.
start_x 799x600
"$PROGRAM" >/dev/null 2>&1 &
SMALL=$!
box=$(wait_window "^Tempolino$" 15) || fail "no message for a screen of 799x600"
# Return closes the message once it has the keyboard; pressed until the program ends.
for _ in $(seq 1 10); do
  xdotool key --window "$box" Return 2>/dev/null
  wait_exit "$SMALL" 1 && break
done
kill -0 "$SMALL" 2>/dev/null && fail "the program did not end after the screen-size message"
SMALL=""
echo "startup: ok"
