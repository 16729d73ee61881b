#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on scaled desktops: at 150 % on 1280x800 and at 200 % on 1920x1080
# Qt alone would leave fewer than 800x600 logical pixels; the program lowers its own
# scale and its main window covers the screen, without the screen-size message.
set -u
PROGRAM="$1"
. "$(dirname "$0")/lib.bash"
trap 'kill "${APP:-}" 2>/dev/null; stop_x' EXIT

for caso in 1280x800:1.5 1920x1080:2; do
  size=${caso%%:*} factor=${caso##*:}
  start_x "$size"
  QT_SCALE_FACTOR=$factor "$PROGRAM" >/dev/null 2>&1 &
  APP=$!
  # The splash is 400 logical pixels wide, 800 device pixels at 200 %: the main window
  # is the one as large as the screen.
  got=""
  for _ in $(seq 1 300); do
    for id in $(xdotool search --onlyvisible --name "^Tempolino$" 2>/dev/null); do
      got=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
      [ "$got" = "$size" ] && break 2
    done
    sleep 0.1
  done
  [ "$got" = "$size" ] || fail "at $factor on $size no main window covers the screen (last seen: $got)"
  kill -0 "$APP" 2>/dev/null || fail "at $factor on $size the program ended"
  kill "$APP"; wait "$APP" 2>/dev/null; APP=""
  stop_x
  echo "$factor on $size: the main window covers the screen"
done
echo "desktops: ok"
