#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sounds reach the speaker: a private PulseAudio server with a null sink
# stands in for the sound card, and its monitor is recorded while the real
# program starts under Xvfb (the splash ticks with sound 101 every 600 ms after
# its first drawing) and while the sound button is clicked (106 each time).
# tests/ascolta_suoni, built beside the program, finds every sound in the
# recording; each expected one must be there, in order, as long as it is (to
# 20 ms), with nothing else in between. Then the server is killed under the
# running program, clicks go unheard for 10 s, the server starts again on the same
# socket, and the next clicks are heard again. Then the program ends by its own
# button, and tests/suona_e_chiudi plays a sound through the player before each
# of the two ways a player can be destroyed (with the application object still
# there, and after it has gone): both sounds come out and it ends at once. A
# server that cannot start is a failure, not a skip.
#
# KEEP=1 leaves the recordings and the server's folder in place for a look.
set -u
PROGRAM="${1:?the program path}"
HERE="$(cd "$(dirname "$0")" && pwd)"
. "$HERE/lib.bash"
ANALYSER="$(dirname "$PROGRAM")/tests/ascolta_suoni"
PLAYER="$(dirname "$PROGRAM")/tests/suona_e_chiudi"
SOUNDS="$HERE/../../resources/sounds"
RATE=44100
CLICKS=5
CLICK_GAP=0.7
TOLERANCE_MS=20

for helper in "$ANALYSER" "$PLAYER"; do
  [ -x "$helper" ] || fail "$helper is missing (build the tests)"
done
for tool in parecord pactl sox xdotool xwininfo import; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

WORK=$(mktemp -d /tmp/tempolino-sound.XXXXXX) || fail "cannot make a temporary folder"
APP="" REC=""
cleanup() {
  [ -n "$REC" ] && kill -INT "$REC" 2>/dev/null
  [ -n "$APP" ] && kill "$APP" 2>/dev/null
  stop_pulse
  stop_x
  if [ -n "${KEEP:-}" ]; then echo "kept $WORK" >&2; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

# ---- the program's sounds at the recording's rate, made by another resampler (SoX)
for id in 101 106; do
  sox -D "$SOUNDS/$id.wav" -t raw -e signed-integer -b 16 -c 1 -r $RATE "$WORK/$id.raw" \
    || fail "sox cannot read $SOUNDS/$id.wav"
done

# Records the null sink's monitor into $1 (raw, mono, $RATE Hz), with little
# latency so the monitor follows the sink closely; returns once samples flow.
# Writes the sounds found in recording $1 to $2 and prints them.
analyse() {
  "$ANALYSER" $RATE "$1" 101="$WORK/101.raw" 106="$WORK/106.raw" >"$2" || fail "the analyser failed on $1"
  sed 's/^/  /' "$2" >&2
}

# Checks that the sounds in $1 are: each one of id $2 heard whole, $3 of them,
# spaced as the times (ms) in the file $4, to $5 ms. A file of "-" means evenly,
# every $6 ms.
check_run() {
  local found="$1" id="$2" count="$3" times="$4" slack="$5" every="${6:-0}"
  awk -v id="$id" -v count="$count" -v slack="$slack" -v tol=$TOLERANCE_MS -v every="$every" -v times="$times" '
    BEGIN { n = 0; if (times != "-") { while ((getline t < times) > 0) want[++m] = t } }
    $1 == "SOUND" && $2 == id {
      n++
      start[n] = $3
      if ($4 - $5 > tol || $5 - $4 > tol)
        bad = bad sprintf("\n  sound %s at %.0f ms came out for %.0f of its %.0f ms", id, $3, $4, $5)
    }
    END {
      if (n != count) { printf "heard %d of %d sounds %s%s\n", n, count, id, bad; exit 1 }
      for (k = 2; k <= n; k++) {
        gap = start[k] - start[k - 1]
        ref = times == "-" ? every : want[k] - want[k - 1]
        if (gap - ref > slack || ref - gap > slack)
          bad = bad sprintf("\n  sounds %s number %d and %d are %.0f ms apart, not %.0f", id, k - 1, k, gap, ref)
      }
      if (bad != "") { printf "%s\n", substr(bad, 2); exit 1 }
    }' "$found"
}

# ---- a sound server, a screen and the program starting while the monitor records
start_x 1280x1024
start_pulse
record_start "$WORK/start.raw"
"$PROGRAM" >"$WORK/program.log" 2>&1 &
APP=$!
WIN=$(wait_main_window 30) || fail "the main window did not appear"
kill -0 "$APP" 2>/dev/null || fail "the program ended instead of running"

# Where the sound button is: the window is maximized on a 1280x1024 screen, so the
# size factor is 1.3 and the face p1 is 496 x 516 pixels, centred 90 pixels above
# the middle; the command panel (58 pixels wide) stands 20 pixels from the right
# edge with its top level with the face's; the button is at (10, 328) inside it,
# 38 x 38, and the exit button at (10, 472), 38 x 57.
W=$(xwininfo -id "$WIN" | awk '/Width:/ {print $2}')
H=$(xwininfo -id "$WIN" | awk '/Height:/ {print $2}')
PANEL_X=$((W - 58 - 20))
PANEL_Y=$(((H - 516) / 2 - 90))
SOUND_X=$((PANEL_X + 10 + 19)) SOUND_Y=$((PANEL_Y + 328 + 19))
EXIT_X=$((PANEL_X + 10 + 19)) EXIT_Y=$((PANEL_Y + 472 + 28))
# The button's light grey frame must be there, inside the panel's darker grey.
sleep 1
read -r EDGE_X EDGE_Y <<<"$(xwininfo -id "$WIN" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}')"
pixel=$(import -window root -crop "1x1+$((EDGE_X + SOUND_X - 16))+$((EDGE_Y + SOUND_Y - 16))" -depth 8 txt:- 2>/dev/null \
  | awk 'NR == 2 { gsub(/[()]/, "", $2); split($2, c, ","); print c[1] }')
[ -n "$pixel" ] && [ "$pixel" -ge 180 ] \
  || fail "the sound button is not at ($SOUND_X, $SOUND_Y) of the ${W}x${H} window (grey there: ${pixel:-none})"

: >"$WORK/clicks"
for _ in $(seq 1 $CLICKS); do
  click_at $SOUND_X $SOUND_Y >>"$WORK/clicks"
  sleep $CLICK_GAP
done
sleep 1
record_stop
echo "start-up and $CLICKS clicks:" >&2
analyse "$WORK/start.raw" "$WORK/start.found"
grep -q UNKNOWN "$WORK/start.found" && fail "something other than the program's sounds came out"
# The splash ends after 5 s: its ticks after the first are at 600 ms steps, 8 at most.
splash=$(awk '$1 == "SOUND" && $2 == 101' "$WORK/start.found" | wc -l)
[ "$splash" -ge 7 ] && [ "$splash" -le 8 ] || fail "the splash ticked $splash times, not 7 or 8"
check_run "$WORK/start.found" 101 "$splash" - 100 600 || fail "the splash ticks are not all there"
check_run "$WORK/start.found" 106 $CLICKS "$WORK/clicks" 100 || fail "the clicks are not all heard"
last_tick=$(awk '$1 == "SOUND" && $2 == 101 {t = $3} END {print t}' "$WORK/start.found")
first_click=$(awk '$1 == "SOUND" && $2 == 106 {print $3; exit}' "$WORK/start.found")
awk -v a="$last_tick" -v b="$first_click" 'BEGIN { exit !(b > a) }' || fail "a click was heard before the splash ended"

# ---- the server dies under the program, stays away 10 s, comes back on the same
# socket, and the very next clicks are heard
kill_pulse
click_at $SOUND_X $SOUND_Y >/dev/null
sleep 0.5
kill -0 "$APP" 2>/dev/null || fail "the program ended when its sound server went away"
# Away long enough that a player trying again only on a timer of its own gives up.
sleep 9.5
click_at $SOUND_X $SOUND_Y >/dev/null
start_pulse
record_start "$WORK/again.raw"
: >"$WORK/clicks2"
for _ in 1 2; do
  click_at $SOUND_X $SOUND_Y >>"$WORK/clicks2"
  sleep $CLICK_GAP
done
sleep 1
record_stop
echo "after the server came back:" >&2
analyse "$WORK/again.raw" "$WORK/again.found"
grep -q UNKNOWN "$WORK/again.found" && fail "something other than the program's sounds came out after the restart"
check_run "$WORK/again.found" 106 2 "$WORK/clicks2" 100 || fail "the sounds did not come back with the server"

# ---- the program ends by its exit button, with its sound output open
click_at $EXIT_X $EXIT_Y >/dev/null
wait_exit "$APP" 5 || fail "the program did not end within 5 s of its exit button"
wait "$APP"
rc=$?
APP=""
[ "$rc" = 0 ] || fail "the program ended with status $rc ($(tail -n 3 "$WORK/program.log"))"

# ---- a player destroyed with the application there, and one after it has gone
record_start "$WORK/ends.raw"
timeout 10 "$PLAYER" 106 101 >"$WORK/ends.log" 2>&1
rc=$?
sleep 1
record_stop
sed 's/^/  /' "$WORK/ends.log" >&2
[ "$rc" = 0 ] || fail "the player helper ended with status $rc"
echo "a player destroyed before and after its application:" >&2
analyse "$WORK/ends.raw" "$WORK/ends.found"
heard=$(awk '$1 == "SOUND" {printf "%s%s", sep, $2; sep = " "} $1 == "UNKNOWN" {printf "%s?", sep; sep = " "}' "$WORK/ends.found")
[ "$heard" = "106 101" ] || fail "heard \"$heard\" from the player helper, not \"106 101\""
check_run "$WORK/ends.found" 106 1 - 0 || fail "the sound before the first destruction is not whole"
check_run "$WORK/ends.found" 101 1 - 0 || fail "the sound before the second destruction is not whole"

echo "sound: ok ($splash splash ticks, $CLICKS clicks, 2 clicks after the server came back)"
