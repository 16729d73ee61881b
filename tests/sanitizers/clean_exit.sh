#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sanitizer build of the real program under an X server: started, then closed
# with "Esci" (Alt+E), it must exit 0, with no leak reported. Libraries' memory kept
# for the whole process is suppressed in lsan.supp; anything of ours is a failure.
set -u
PROGRAM="$1"
. "$(dirname "$0")/../process/lib.bash"
trap 'kill -9 "${APP:-}" 2>/dev/null; stop_x' EXIT
LOG=$(mktemp)
# The suites run with strict string checks; under X they would stop in the keyboard
# library, which reads key names with strndup from replies that carry no final NUL
# (allowed: strndup stops at its length). Everything else stays as the suites have it.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
# When the main window does not come, what was there instead: whether the program still
# runs, and every window the X server has with its size and state.
what_was_there() {
  if kill -0 "$APP" 2>/dev/null; then echo "the program is still running" >&2
  else wait "$APP"; echo "the program ended with code $?" >&2; APP=""; fi
  for id in $(xdotool search --name . 2>/dev/null); do
    echo "window \"$(xdotool getwindowname "$id")\": $(xwininfo -id "$id" | awk '/Width:|Height:|Map State:/ {printf "%s ", $0}')" >&2
  done
}
start_x 1280x1024
"$PROGRAM" >"$LOG" 2>&1 &
APP=$!
main=$(wait_main_window 60) || { cat "$LOG" >&2; what_was_there; fail "the main window did not appear"; }
# Alt+E presses "Esci" once the window takes keys; pressed until the program ends.
for _ in $(seq 1 10); do
  xdotool key --window "$main" alt+e 2>/dev/null
  wait_exit "$APP" 1 && break
done
wait_exit "$APP" 10 || fail "the program did not end after Esci"
wait "$APP"
rc=$?
APP=""
if [ "$rc" != 0 ] || grep -q "ERROR: \|SUMMARY: " "$LOG"; then
  cat "$LOG" >&2
  fail "the sanitizer build ended with code $rc"
fi
echo "clean_exit: ok"
