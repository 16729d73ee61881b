#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how long the spoken time takes from the click on the face's loudspeaker to
# the first sound of the voice: a private PulseAudio server with a null sink and a
# private speech-dispatcher speaking into it (as tests/process/speech.sh sets them up),
# the real program under Xvfb, the loudspeaker clicked $WAIT s after the main window
# appeared and again 4 s later. The click's place in the recording is the recording's
# length at the moment of the click (the recorder runs 10 ms behind at most).
#
#   bench/speech-latency.sh [path/to/tempolino] [runs] [seconds before the first click]
set -u
PROGRAM=${1:-build/tempolino}
RUNS=${2:-3}
WAIT=${3:-5}
RATE=44100
. "$(dirname "$0")/../tests/process/lib.bash"
WORK=$(mktemp -d /tmp/tempolino-speech-latency.XXXXXX) || fail "cannot make a temporary folder"
APP="" REC="" SD=""
trap '[ -n "$REC" ] && kill -INT "$REC"; [ -n "$APP" ] && kill "$APP"; [ -n "$SD" ] && kill "$SD"; stop_pulse; stop_x; rm -rf "$WORK"' EXIT
mkdir -p "$WORK/home" "$WORK/log"

start_x 1280x1024
start_pulse
HOME="$WORK/home" speech-dispatcher -s -t 0 -c unix_socket -S "$WORK/speechd.sock" -P "$WORK/speechd.pid" \
  -L "$WORK/log" >/dev/null 2>&1 &
SD=$!
for _ in $(seq 1 50); do [ -S "$WORK/speechd.sock" ] && break; sleep 0.1; done
export SPEECHD_ADDRESS="unix_socket:$WORK/speechd.sock"

# Clicks the loudspeaker in the recording $1 and prints the ms until the voice starts.
spoken_after_click() {
  local offset
  offset=$(recorded_ms "$1")
  click_at $SPEAK_X $SPEAK_Y >/dev/null
  for _ in $(seq 1 60); do
    sleep 0.25
    [ "$(onset_ms "$1" "$offset")" -lt $(($(recorded_ms "$1") - offset - 300)) ] && break
  done
  onset_ms "$1" "$offset"
}

for run in $(seq 1 "$RUNS"); do
  HOME="$WORK/home" "$PROGRAM" >/dev/null 2>&1 &
  APP=$!
  WIN=$(wait_main_window 30) || fail "the main window did not appear"
  W=$(xwininfo -id "$WIN" | awk '/Width:/ {print $2}')
  H=$(xwininfo -id "$WIN" | awk '/Height:/ {print $2}')
  SPEAK_X=$(((W - 496) / 2 + 16)) SPEAK_Y=$(((H - 516) / 2 - 90 + 516 - 16))
  sleep "$WAIT"
  record_start "$WORK/voice$run.raw"
  first=$(spoken_after_click "$WORK/voice$run.raw")
  sleep 4
  second=$(spoken_after_click "$WORK/voice$run.raw")
  record_stop
  echo "run $run: first spoken time $first ms after the click, the next $second ms"
  kill "$APP"
  wait "$APP" 2>/dev/null
  APP=""
done
