#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program under Xvfb at 1024x768, side by side in the same run with the
# bare Qt floor (bench/floor/bare_clock.cpp: a face of the same size with the same
# primitives, redrawn once a second) and `xclock -update 1`, and reports for each:
# the CPU time used and its share of one core, context switches per second (every
# thread, voluntary and not), the threads and their names, and the peak resident
# memory; then the time from launch to the first pixels on the screen (for
# Tempolino its splash), and for Tempolino the time to its main window less the five
# seconds of the splash.
#
#   bench/run-under-x.sh [build-dir] [seconds]
#
# With SOUND_SERVER=1 the program gets a private PulseAudio server with a null
# sink (tests/process/lib.bash), so its sound output is open, and paused, while
# the clock runs; without, it finds no server, as on a machine without sound.
set -u
BUILD=${1:-build}
SECONDS_RUN=${2:-60}
PROGRAM=$BUILD/tempolino
FLOOR=$BUILD/bench/tempolino_bare_clock
WATCH=$BUILD/bench/tempolino_time_to_pixels
. "$(dirname "$0")/../tests/process/lib.bash"
trap 'kill "${APP:-}" "${XC:-}" "${FL:-}" 2>/dev/null; stop_pulse; stop_x' EXIT

ticks=$(getconf CLK_TCK)
cpu_seconds() { awk -v t="$ticks" '{print ($14 + $15) / t}' "/proc/$1/stat"; }
peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {s += $2} END {print s}'; }
threads() { for t in /proc/"$1"/task/*; do cat "$t/comm"; done | sort | uniq -c | awk '{printf "%s%s x%d", (NR > 1 ? ", " : ""), $2 " " $3 " " $4, $1}' | sed 's/  */ /g'; }

start_x 1024x768
[ -n "${SOUND_SERVER:-}" ] && start_pulse
launched=$(date +%s%N)
"$PROGRAM" >/dev/null 2>&1 &
APP=$!
wait_main_window 60 >/dev/null || fail "the main window did not appear"
shown_ms=$(( ($(date +%s%N) - launched) / 1000000 ))
"$FLOOR" >/dev/null 2>&1 &
FL=$!
xclock -update 1 &
XC=$!
# Let every start-up settle, and threads that only start-up used end.
sleep 35

declare -A cpu0 sw0
for p in "$APP" "$FL" "$XC"; do cpu0[$p]=$(cpu_seconds "$p"); sw0[$p]=$(switches "$p"); done
sleep "$SECONDS_RUN"
server=without
[ -n "${SOUND_SERVER:-}" ] && server=with
echo "running for ${SECONDS_RUN} s at 1024x768, $server a sound server:"
for pair in "tempolino:$APP" "floor:$FL" "xclock:$XC"; do
  name=${pair%%:*} p=${pair#*:}
  awk -v n="$name" -v a="${cpu0[$p]}" -v b="$(cpu_seconds "$p")" -v s="$SECONDS_RUN" -v m="$(peak_kb "$p")" \
    -v c0="${sw0[$p]}" -v c1="$(switches "$p")" -v t="$(threads "$p")" \
    'BEGIN { printf "%-10s CPU %.2f s (%.3f %% of a core), %.1f context switches/s, peak resident %.1f MiB, threads: %s\n", n, b - a, 100 * (b - a) / s, (c1 - c0) / s, m / 1024, t }'
done
echo "tempolino: main window $((shown_ms - 5000)) ms after launch, beyond the 5 s splash"
kill "$APP" "$FL" "$XC" 2>/dev/null; wait "$APP" "$FL" "$XC" 2>/dev/null; APP="" FL="" XC=""

# From launch to the first pixels: the splash's face (centred on the screen), the
# floor's dial, xclock's face; five launches each, the median.
first_pixels() {
  local x="$1" y="$2"; shift 2
  for _ in 1 2 3 4 5; do "$WATCH" "$x" "$y" "$@" 2>/dev/null; sleep 0.5; done | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
echo "first pixels on screen after launch (median of 5):"
echo "  tempolino splash $(first_pixels 512 484 "$PROGRAM") ms"
echo "  floor            $(first_pixels 258 368 "$FLOOR") ms"
echo "  xclock           $(first_pixels 80 80 xclock -update 1) ms"
