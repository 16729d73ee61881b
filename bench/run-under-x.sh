#!/usr/bin/env bash
# Runs the real program under Xvfb beside `xclock -update 1` for the same time and
# reports, for each, the CPU time used, the share of one core and the peak resident
# memory; for Tempolino also the time from launch to its main window, less the
# five seconds of the splash.
#
#   bench/run-under-x.sh [path/to/tempolino] [seconds]
#
# With SOUND_SERVER=1 the program gets a private PulseAudio server with a null
# sink (tests/process/lib.bash), so its sound output is open, and paused, while
# the clock runs; without, it finds no server, as on a machine without sound.
set -u
PROGRAM=${1:-build/tempolino}
SECONDS_RUN=${2:-60}
. "$(dirname "$0")/../tests/process/lib.bash"
trap 'kill "${APP:-}" "${XC:-}" 2>/dev/null; stop_pulse; stop_x' EXIT

ticks=$(getconf CLK_TCK)
cpu_seconds() { awk -v t="$ticks" '{print ($14 + $15) / t}' "/proc/$1/stat"; }
peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$1/status"; }

start_x 1280x1024
[ -n "${SOUND_SERVER:-}" ] && start_pulse
launched=$(date +%s%N)
"$PROGRAM" >/dev/null 2>&1 &
APP=$!
wait_main_window 60 >/dev/null || fail "the main window did not appear"
shown_ms=$(( ($(date +%s%N) - launched) / 1000000 ))
xclock -update 1 &
XC=$!

cpu0_app=$(cpu_seconds "$APP"); cpu0_xc=$(cpu_seconds "$XC")
sleep "$SECONDS_RUN"
cpu1_app=$(cpu_seconds "$APP"); cpu1_xc=$(cpu_seconds "$XC")

report() {
  awk -v n="$1" -v a="$2" -v b="$3" -v s="$SECONDS_RUN" -v m="$4" \
    'BEGIN { printf "%-10s CPU %.2f s in %d s (%.2f %% of a core), peak resident memory %.1f MB\n", n, b - a, s, 100 * (b - a) / s, m / 1024 }'
}
server=without
[ -n "${SOUND_SERVER:-}" ] && server=with
echo "running on the clock for ${SECONDS_RUN} s, $server a sound server:"
report tempolino "$cpu0_app" "$cpu1_app" "$(peak_kb "$APP")"
report xclock "$cpu0_xc" "$cpu1_xc" "$(peak_kb "$XC")"
echo "tempolino: main window $((shown_ms - 5000)) ms after launch, beyond the 5 s splash"
