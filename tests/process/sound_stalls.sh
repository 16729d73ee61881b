#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A sound server that hangs never holds up the windows: a private PulseAudio server
# is stopped (SIGSTOP, as a server busy with a reconnecting headset stops answering)
# before the real program starts and again while its buttons click. The splash must
# still go after its 5 seconds, and after every click into the stopped server the
# main window must paint again what was hidden within 0.1 s (tests/ridisegno covers a
# corner of it and times the repaint). Once the server goes on, the next clicks are
# heard (tests/ascolta_suoni finds them in the recording of the server's null sink),
# and the program ends by its exit button at once. A server that cannot start is a
# failure, not a skip.
#
# KEEP=1 leaves the recordings and logs in place for a look.
set -u
PROGRAM="${1:?the program path}"
HERE="$(cd "$(dirname "$0")" && pwd)"
. "$HERE/lib.bash"
ANALYSER="$(dirname "$PROGRAM")/tests/ascolta_suoni"
PROBE="$(dirname "$PROGRAM")/tests/ridisegno"
SOUNDS="$HERE/../../resources/sounds"
RATE=44100
LIMIT_MS=100

for helper in "$ANALYSER" "$PROBE"; do
  [ -x "$helper" ] || fail "$helper is missing (build the tests)"
done
for tool in parecord pactl sox xdotool xwininfo; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

WORK=$(mktemp -d /tmp/tempolino-stalls.XXXXXX) || fail "cannot make a temporary folder"
APP="" REC=""
cleanup() {
  [ -n "${PULSE_PID:-}" ] && kill -CONT "$PULSE_PID" 2>/dev/null
  [ -n "$REC" ] && kill -INT "$REC" 2>/dev/null
  [ -n "$APP" ] && kill "$APP" 2>/dev/null
  stop_pulse
  stop_x
  if [ -n "${KEEP:-}" ]; then echo "kept $WORK" >&2; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

for id in 103 106; do
  sox -D "$SOUNDS/$id.wav" -t raw -e signed-integer -b 16 -c 1 -r $RATE "$WORK/$id.raw" \
    || fail "sox cannot read $SOUNDS/$id.wav"
done

# Clicks the two mode buttons of the command panel in turn (sounds 103 and 106), $1
# times, each followed by a repaint of a bit of the panel's grey margin beside the
# buttons; prints the slowest repaint in ms.
click_and_probe() {
  local n="$1" slowest=0 ms
  for i in $(seq 1 "$n"); do
    if [ $((i % 2)) = 1 ]; then click_at $MANUAL_X $MANUAL_Y >/dev/null; else click_at $CURRENT_X $CURRENT_Y >/dev/null; fi
    ms=$("$PROBE" $((ABS_X + PANEL_X + 2)) $((ABS_Y + PANEL_Y + 120)) 6 30 1 0 | awk '$1 == "MASSIMO" {print $2}')
    [ -n "$ms" ] || { echo "never"; return; }
    slowest=$(awk -v a="$slowest" -v b="$ms" 'BEGIN { print (b > a ? b : a) }')
    sleep 0.3
  done
  echo "$slowest"
}

# Two clicks with the server going again, recorded: both must be heard.
clicks_heard() {
  local what="$1"
  record_start "$WORK/$what.raw"
  click_at $MANUAL_X $MANUAL_Y >/dev/null
  sleep 0.7
  click_at $CURRENT_X $CURRENT_Y >/dev/null
  sleep 1
  record_stop
  "$ANALYSER" $RATE "$WORK/$what.raw" 103="$WORK/103.raw" 106="$WORK/106.raw" >"$WORK/$what.found" \
    || fail "the analyser failed on $what"
  sed 's/^/  /' "$WORK/$what.found" >&2
  grep -q '^SOUND 103 ' "$WORK/$what.found" && grep -q '^SOUND 106 ' "$WORK/$what.found" \
    || fail "the clicks were not heard $what"
}

start_x 1280x1024
start_pulse

# ---- the server is stopped before the program starts
kill -STOP "$PULSE_PID"
"$PROGRAM" >"$WORK/program.log" 2>&1 &
APP=$!
launched=$(now_ms)
WIN=$(wait_main_window 30) || fail "the main window did not appear"
shown_ms=$(($(now_ms) - launched))
echo "main window after ${shown_ms} ms with the sound server stopped" >&2
[ "$shown_ms" -ge 4500 ] && [ "$shown_ms" -le 8000 ] \
  || fail "with the sound server stopped the splash lasted ${shown_ms} ms, not about 5 s"

# Where things are: the window is maximized on a 1280x1024 screen, so the face p1 is
# 496 x 516 pixels, centred 90 pixels above the middle; the command panel (58 wide)
# stands 20 pixels from the right edge, level with the face, with the mode buttons at
# (10, 56 + 88) (manual, sound 103) and (10, 56 + 46) (current time, sound 106), and
# the exit button at (10, 472), 38 x 57.
W=$(xwininfo -id "$WIN" | awk '/Width:/ {print $2}')
H=$(xwininfo -id "$WIN" | awk '/Height:/ {print $2}')
read -r ABS_X ABS_Y <<<"$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')"
PANEL_X=$((W - 58 - 20)) PANEL_Y=$(((H - 516) / 2 - 90))
MANUAL_X=$((PANEL_X + 29)) MANUAL_Y=$((PANEL_Y + 56 + 88 + 19))
CURRENT_X=$((PANEL_X + 29)) CURRENT_Y=$((PANEL_Y + 56 + 46 + 19))
EXIT_X=$((PANEL_X + 29)) EXIT_Y=$((PANEL_Y + 472 + 28))
sleep 0.5

slowest=$(click_and_probe 4)
echo "slowest repaint after a click, server stopped since before the start: $slowest ms" >&2
awk -v s="$slowest" -v l=$LIMIT_MS 'BEGIN { exit !(s != "never" && s <= l) }' \
  || fail "with the sound server stopped the window took $slowest ms to paint after a click"

kill -CONT "$PULSE_PID"
clicks_heard "after the server went on"

# ---- the server stops while the buttons click
kill -STOP "$PULSE_PID"
slowest=$(click_and_probe 4)
echo "slowest repaint after a click into the stopped server: $slowest ms" >&2
awk -v s="$slowest" -v l=$LIMIT_MS 'BEGIN { exit !(s != "never" && s <= l) }' \
  || fail "with the sound server stopped during the clicks the window took $slowest ms to paint"
kill -CONT "$PULSE_PID"
clicks_heard "after the second stop"

# ---- the program ends by its exit button at once
click_at $EXIT_X $EXIT_Y >/dev/null
wait_exit "$APP" 5 || fail "the program did not end within 5 s of its exit button"
wait "$APP"
rc=$?
APP=""
[ "$rc" = 0 ] || fail "the program ended with status $rc ($(tail -n 3 "$WORK/program.log"))"
echo "sound stalls: ok (splash ${shown_ms} ms, every repaint within ${LIMIT_MS} ms, the clicks heard again)"
