#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The time is said aloud for real: a private PulseAudio server with a null sink stands
# in for the sound card and a private speech-dispatcher (with its espeak-ng voices)
# speaks into it, while the real program runs under Xvfb. The face's loudspeaker is
# clicked: a voice must come out of the sink's monitor, and the windows must go on
# answering while the voice's engine starts (it warms up right after the start and takes
# seconds): two sounds of the command panel clicked meanwhile come out as far apart as
# they were clicked. With the
# sounds switched off the loudspeaker says nothing. The speech service is then killed
# and started again under the running program: the next click of the loudspeaker is
# heard again, within a few seconds. The program then ends by its exit button at once. Started again with no speech service to talk to, the program stays
# silent, answers and ends as before. A server that cannot start is a failure.
#
# KEEP=1 leaves the recordings and logs in place for a look.
set -u
PROGRAM="${1:?the program path}"
HERE="$(cd "$(dirname "$0")" && pwd)"
. "$HERE/lib.bash"
ANALYSER="$(dirname "$PROGRAM")/tests/ascolta_suoni"
SOUNDS="$HERE/../../resources/sounds"
RATE=44100

[ -x "$ANALYSER" ] || fail "$ANALYSER is missing (build the tests)"
for tool in speech-dispatcher parecord pactl sox xdotool xwininfo; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

WORK=$(mktemp -d /tmp/tempolino-speech.XXXXXX) || fail "cannot make a temporary folder"
APP="" REC="" SD=""
cleanup() {
  [ -n "$REC" ] && kill -INT "$REC" 2>/dev/null
  [ -n "$APP" ] && kill "$APP" 2>/dev/null
  [ -n "$SD" ] && kill "$SD" 2>/dev/null && wait "$SD" 2>/dev/null
  # A speech server the program may have started by itself lives in the test's home.
  for pidfile in "$WORK"/home/.cache/speech-dispatcher/pid "${XDG_RUNTIME_DIR:-/nonexistent}"/speech-dispatcher/pid; do
    [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null
  done
  stop_pulse
  stop_x
  if [ -n "${KEEP:-}" ]; then echo "kept $WORK" >&2; else rm -rf "$WORK"; fi
}
trap cleanup EXIT
mkdir -p "$WORK/home" "$WORK/speechd-log"

for id in 103 106; do
  sox -D "$SOUNDS/$id.wav" -t raw -e signed-integer -b 16 -c 1 -r $RATE "$WORK/$id.raw" \
    || fail "sox cannot read $SOUNDS/$id.wav"
done

# A speech server of the test's own on its own socket, speaking into the private sink.
start_speechd() {
  HOME="$WORK/home" speech-dispatcher -s -t 0 -c unix_socket -S "$WORK/speechd.sock" -P "$WORK/speechd.pid" \
    -L "$WORK/speechd-log" >"$WORK/speechd.out" 2>&1 &
  SD=$!
  for _ in $(seq 1 50); do
    [ -S "$WORK/speechd.sock" ] && return 0
    kill -0 "$SD" 2>/dev/null || break
    sleep 0.1
  done
  fail "the private speech server did not start ($(tail -n 3 "$WORK/speechd.out"))"
}

# Milliseconds of sound (anything above -40 dB) in recording $1 from $2 ms on.
voiced_ms() {
  local bytes
  bytes=$(sox -t raw -r $RATE -e signed -b 16 -c 1 "$1" -t raw - trim "$(awk -v m="$2" 'BEGIN { print m / 1000 }')" \
    silence 1 0.005 1% -1 0.05 1% 2>/dev/null | wc -c)
  echo $((bytes * 1000 / 2 / RATE))
}

# Starts the program and finds where its controls are: the window is maximized on a
# 1280x1024 screen, so the face p1 is 496 x 516 pixels, centred 90 pixels above the
# middle, with the loudspeaker 24 x 24 at 4 pixels from its left and bottom edges; the
# command panel (58 wide) stands 20 pixels from the right edge, level with the face,
# with the sound button at (10, 328) and the mode buttons at (10, 56 + 88) (manual,
# sound 103) and (10, 56 + 46) (current time, sound 106), 38 x 38.
start_program() {
  HOME="$WORK/home" "$PROGRAM" >"$WORK/program$1.log" 2>&1 &
  APP=$!
  WIN=$(wait_main_window 30) || fail "the main window did not appear"
  kill -0 "$APP" 2>/dev/null || fail "the program ended instead of running"
  W=$(xwininfo -id "$WIN" | awk '/Width:/ {print $2}')
  H=$(xwininfo -id "$WIN" | awk '/Height:/ {print $2}')
  FACE_X=$(((W - 496) / 2)) FACE_Y=$(((H - 516) / 2 - 90))
  SPEAK_X=$((FACE_X + 4 + 12)) SPEAK_Y=$((FACE_Y + 516 - 4 - 12))
  PANEL_X=$((W - 58 - 20)) PANEL_Y=$FACE_Y
  SOUND_X=$((PANEL_X + 29)) SOUND_Y=$((PANEL_Y + 328 + 19))
  MANUAL_X=$((PANEL_X + 29)) MANUAL_Y=$((PANEL_Y + 56 + 88 + 19))
  CURRENT_X=$((PANEL_X + 29)) CURRENT_Y=$((PANEL_Y + 56 + 46 + 19))
  EXIT_X=$((PANEL_X + 29)) EXIT_Y=$((PANEL_Y + 472 + 28))
  sleep 1
}

# Two clicks of the panel while the voice's engine still warms up after the start, then
# the loudspeaker once they have sounded (the voice over a click would hide it from the
# analyser); checks that the clicks came out as far apart as they were clicked. Prints
# the start (ms in the recording) of the second one.
speak_and_click() {
  local recording="$1" found="$2" t1 t2
  t1=$(click_at $MANUAL_X $MANUAL_Y)
  sleep 0.6
  t2=$(click_at $CURRENT_X $CURRENT_Y)
  sleep 1
  click_at $SPEAK_X $SPEAK_Y >/dev/null
  sleep 7
  record_stop
  "$ANALYSER" $RATE "$recording" 103="$WORK/103.raw" 106="$WORK/106.raw" >"$found" || fail "the analyser failed"
  sed 's/^/  /' "$found" >&2
  awk -v gap=$((t2 - t1)) '
    $1 == "SOUND" && $2 == 103 && !a { a = $3 }
    $1 == "SOUND" && $2 == 106 && !b { b = $3 }
    END {
      if (!a || !b) { print "the clicks were not heard"; exit 1 }
      if (b - a - gap > 150 || gap - (b - a) > 150) { printf "clicks %d ms apart came out %d ms apart\n", gap, b - a; exit 1 }
      printf "%d\n", b
    }' "$found"
}

exit_program() {
  click_at $EXIT_X $EXIT_Y >/dev/null
  wait_exit "$APP" 5 || fail "the program did not end within 5 s of its exit button ($1)"
  wait "$APP"
  local rc=$?
  APP=""
  [ "$rc" = 0 ] || fail "the program ended with status $rc ($1: $(tail -n 3 "$WORK/program$2.log"))"
}

start_x 1280x1024
start_pulse
start_speechd
export SPEECHD_ADDRESS="unix_socket:$WORK/speechd.sock"

# ---- the voice comes out, and the windows answer while its engine starts
start_program 1
record_start "$WORK/voice.raw"
after=$(speak_and_click "$WORK/voice.raw" "$WORK/voice.found") || fail "$after"
voice=$(voiced_ms "$WORK/voice.raw" $((after + 200)))
echo "voice after the clicks: $voice ms" >&2
[ "$voice" -ge 1000 ] || fail "the loudspeaker said nothing ($voice ms of sound after the clicks)"

# ---- the speech service is killed and started again: the voice comes back
kill "$SD" 2>/dev/null
wait "$SD" 2>/dev/null
start_speechd
record_start "$WORK/again.raw"
offset=$(recorded_ms "$WORK/again.raw")
click_at $SPEAK_X $SPEAK_Y >/dev/null
back=""
# A new engine lists every voice of the system again: seconds on a busy machine.
for _ in $(seq 1 80); do
  sleep 0.5
  [ "$(voiced_ms "$WORK/again.raw" "$offset")" -ge 1000 ] && { back=yes; break; }
done
record_stop
[ -n "$back" ] || fail "the voice did not come back after the speech service started again"
echo "voice back after the restart: $(onset_ms "$WORK/again.raw" "$offset") ms after the click" >&2

# ---- with the sounds off the loudspeaker says nothing
click_at $SOUND_X $SOUND_Y >/dev/null
sleep 0.5
record_start "$WORK/quiet.raw"
click_at $SPEAK_X $SPEAK_Y >/dev/null
sleep 3
record_stop
quiet=$(voiced_ms "$WORK/quiet.raw" 0)
[ "$quiet" -le 100 ] || fail "the voice spoke with the sounds off ($quiet ms of sound)"
exit_program "with a voice" 1

# ---- no speech service to talk to: silent, and nothing else changes
kill "$SD" 2>/dev/null
wait "$SD" 2>/dev/null
SD=""
export SPEECHD_ADDRESS="unix_socket:$WORK/nobody.sock"
start_program 2
record_start "$WORK/none.raw"
after=$(speak_and_click "$WORK/none.raw" "$WORK/none.found") || fail "without a speech service: $after"
none=$(voiced_ms "$WORK/none.raw" $((after + 200)))
[ "$none" -le 100 ] || fail "something spoke without a speech service ($none ms of sound)"
exit_program "without a speech service" 2
echo "PASS: the time is said aloud, the windows answer meanwhile, and silence without a voice" >&2
