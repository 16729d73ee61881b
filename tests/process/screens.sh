#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on two monitors of one X server, split with RandR monitors as a
# desktop with two screens side by side is: Qt sees two screens, one of them primary.
# Whatever the arrangement, the splash stands at the centre of the primary monitor and
# the main window opens on the primary, as large as it is, laid out for it; the window's
# default place (the top left corner of the whole desktop) may be on the other monitor.
# A primary monitor too small for the program gets the screen-size message, at its
# centre, though the pointer is on the other monitor.
#
# No window manager runs: the small one of the other tests knows nothing of monitors
# and would maximize the main window over the whole desktop. What is checked is where
# and how large the program itself puts its windows.
set -u
PROGRAM="$1"
. "$(dirname "$0")/lib.bash"
trap 'kill "${APP:-}" 2>/dev/null; stop_x' EXIT

# Without a window manager the server would start afresh (and forget its monitors)
# whenever its last client goes.
export XVFB_ARGS="-noreset"

# Millimetres of $1 pixels at 96 dpi.
mm() { echo $(($1 * 254 / 960)); }

# The geometry WxH+X+Y of window $1 on the desktop.
geometry() {
  xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
    /Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h "+" x "+" y}'
}

# Makes the two monitors of $caso on a server of its own: the primary, then the other,
# each as WxH+X+Y; sets pw ph px py to the primary's size and place.
two_monitors() {
  local aw ah ax ay
  primario=${caso% *} altro=${caso#* }
  IFS='x+' read -r pw ph px py <<<"$primario"
  IFS='x+' read -r aw ah ax ay <<<"$altro"
  start_x "$((pw + aw))x$((ph > ah ? ph : ah))" nowm
  # The primary takes the server's one output, so the server's own monitor over the
  # whole desktop goes away; the other monitor has no output of its own.
  xrandr --setmonitor "*primario" "$pw/$(mm "$pw")x$ph/$(mm "$ph")+$px+$py" screen >/dev/null ||
    fail "xrandr cannot make the primary monitor"
  xrandr --setmonitor altro "$aw/$(mm "$aw")x$ah/$(mm "$ah")+$ax+$ay" none >/dev/null ||
    fail "xrandr cannot make the second monitor"
  [ "$(xrandr --listmonitors | head -n 1)" = "Monitors: 2" ] ||
    fail "the server does not show two monitors: $(xrandr --listmonitors | tr '\n' ' ')"
}

# Whether the centre of window $1 is the primary's, give or take a pixel of rounding.
centred_on_primary() {
  local w h x y cx cy
  IFS='x+' read -r w h x y <<<"$(geometry "$1")"
  cx=$((x + w / 2)) cy=$((y + h / 2))
  [ $((cx - px - pw / 2)) -ge -1 ] && [ $((cx - px - pw / 2)) -le 1 ] &&
    [ $((cy - py - ph / 2)) -ge -1 ] && [ $((cy - py - ph / 2)) -le 1 ]
}

# Each case: the primary monitor, then the other one.
for caso in "1920x1080+1024+0 1024x600+0+0" "1920x1080+0+0 1024x600+1920+0" "1024x600+1920+0 1920x1080+0+0"; do
  two_monitors
  "$PROGRAM" >/dev/null 2>&1 &
  APP=$!
  splash=$(wait_small_window 30) || fail "with $caso no splash shows"
  centred_on_primary "$splash" ||
    fail "with $caso the splash is at $(geometry "$splash"), not at the centre of the primary $primario"

  # The main window covers the primary monitor, no more, no less.
  main=$(wait_main_window 30) || fail "with $caso no main window shows"
  got=""
  for _ in $(seq 1 50); do
    got=$(geometry "$main")
    [ "$got" = "$primario" ] && break
    sleep 0.1
  done
  [ "$got" = "$primario" ] || fail "with $caso the main window is at $got, not on the primary $primario"
  kill -0 "$APP" 2>/dev/null || fail "with $caso the program ended"
  kill "$APP"; wait "$APP" 2>/dev/null; APP=""
  stop_x
  echo "primary $primario, other $altro: splash and main window on the primary"
done
# The primary too small, the pointer on the other monitor, at its centre.
caso="640x480+1920+0 1920x1080+0+0"
two_monitors
xdotool mousemove 960 540
"$PROGRAM" >/dev/null 2>&1 &
APP=$!
box=$(wait_window "^Tempolino$" 30) || fail "with $caso no screen-size message shows"
centred_on_primary "$box" ||
  fail "with $caso the screen-size message is at $(geometry "$box"), not at the centre of the primary $primario"
xdotool key --window "$box" Return 2>/dev/null
wait_exit "$APP" 10 || fail "with $caso the program did not end after the screen-size message"
APP=""
stop_x
echo "primary $primario, other $altro: the screen-size message on the primary"
echo "screens: ok"
