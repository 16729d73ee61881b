#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop session ends under the running program: its X server goes away. The
# program must end within 5 seconds with exit code 1 and one line on standard
# error, without a crash, a hang or a core dump, and give up its single-copy lock.
# Tried with the clock running, with a message window open, and with Qt's own
# warnings switched off (the program must not depend on reading them).
set -u
PROGRAM="$1"
. "$(dirname "$0")/lib.bash"
trap 'kill -9 "${APP:-}" 2>/dev/null; stop_x' EXIT

LOG=$(mktemp)
EXPECTED="Tempolino: la sessione grafica si è chiusa, il programma termina."

# The centre of the command panel's first button ("Esercizi") in the maximized window:
# the panel stands 20 pixels from the right edge, level with the face's top at this size.
click_exercises() {
  local id="$1" w h face_h face_top
  w=$(xwininfo -id "$id" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$id" | awk '/Height:/ {print $2}')
  face_h=516   # 2 x 234 + 48 at size factor 1.3
  face_top=$(( (h - face_h) / 2 - 90 ))
  xdotool mousemove --window "$id" $(( w - 58 - 20 + 10 + 19 )) $(( face_top + 8 + 19 )) click 1
}

run_case() {
  local name="$1" with_message="$2"
  start_x 1280x1024
  "$PROGRAM" >"$LOG" 2>&1 &
  APP=$!
  local main
  main=$(wait_main_window 30) || fail "$name: the main window did not appear"
  [ -e "$XDG_RUNTIME_DIR/tempolino.lock" ] || fail "$name: no single-copy lock while running"
  if [ "$with_message" = yes ]; then
    click_exercises "$main"
    # Return answers "OK!" with the boxes empty: the message "devi inserire l'ora". The
    # key is pressed again until the message comes (the area may still be opening).
    local opened=""
    for _ in $(seq 1 10); do
      xdotool key Return
      wait_small_window 1 >/dev/null && { opened=yes; break; }
    done
    [ -n "$opened" ] || fail "$name: the message window did not open"
  fi

  kill "$XVFB_PID"
  local start rc elapsed
  start=$(date +%s%N)
  if ! wait_exit "$APP" 5; then
    kill -9 "$APP"
    fail "$name: the program was still running 5 s after its X server went away"
  fi
  wait "$APP"
  rc=$?
  APP=""
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  [ "$rc" = 1 ] || { cat "$LOG" >&2; fail "$name: exit code $rc (expected 1)"; }
  grep -qxF "$EXPECTED" "$LOG" || { cat "$LOG" >&2; fail "$name: no line on standard error"; }
  [ -e "$XDG_RUNTIME_DIR/tempolino.lock" ] && fail "$name: the single-copy lock was left behind"
  echo "$name: ended with code 1 in $elapsed ms"
  stop_x
}

run_case "clock running" no
run_case "message window open" yes
QT_LOGGING_RULES="*=false" run_case "Qt's warnings off" no
echo "session_end: ok"
