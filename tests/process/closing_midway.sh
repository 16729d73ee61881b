#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program is closed, or its desktop session ends, in the middle of each of its long
# actions: the splash's five seconds, the map opening, an adjustment button held down,
# the exercises' prompt being typed, the hands going to a solution. Closed (the window's
# close request, as the desktop's close box sends it) the program must end within 5 s
# with code 0; its session ending (its X server killed) it must end within 5 s with code
# 1 and its one line; either way without a crash or a hang, without a process of its own
# left running and with its single-copy lock given up. The controls are found as a
# screen reader finds them (accessibile.py), so the layout may change.
set -u
PROGRAM="$1"
HERE="$(dirname "$0")"
. "$HERE/lib.bash"
A="/usr/bin/python3 $HERE/accessibile.py"
cleanup() {
  kill -9 "${APP:-}" 2>/dev/null
  stop_a11y
  stop_x
}
trap cleanup EXIT

LOG=$(mktemp)
SESSION_LINE="Tempolino: la sessione grafica si è chiusa, il programma termina."

click_on() { # the centre of a control, clicked with the pointer
  local xy
  xy=$($A centro "$@") || fail "$CASE: no control named $1"
  # shellcheck disable=SC2086
  xdotool mousemove $xy click 1
}

# Each action leaves the program in the middle of its long action.
during_splash() {
  WIN=$(wait_tempolino_window 30 -lt) || fail "$CASE: the splash did not appear"
}
during_map() {
  click_on "Mappa terrestre"
}
during_held_button() {
  $A premi "Modifica i minuti o le ore" || fail "$CASE: manual mode"
  local xy
  xy=$($A centro "Ore avanti" "push button") || fail "$CASE: no button Ore avanti"
  # shellcheck disable=SC2086
  xdotool mousemove $xy mousedown 1
  # The button repeats by itself: the face tells two new times while it is held.
  $A cambia "Orologio" 2 5 >/dev/null || fail "$CASE: the held button does not repeat"
}
during_prompt() {
  click_on "Esercizi" "push button"
}
during_solution() {
  click_on "Esercizi" "push button"
  $A premi "Imposta l'ora (1)" || fail "$CASE: the kind Imposta l'ora (1)"
  # "OK!" with the hands at midnight: a wrong answer and its message, closed with its own
  # button; after the second the solution may be asked for.
  local message
  for _ in 1 2 3 4; do
    $A trovato "Mostra la soluzione" "push button" 2>/dev/null && break
    click_on "OK!" "push button"
    message=$(wait_small_window 10) || fail "$CASE: no message after OK!"
    click_on "OK" "push button"
    for _ in $(seq 1 50); do
      xdotool search --onlyvisible --name "^Tempolino$" 2>/dev/null | grep -qx "$message" || break
      sleep 0.1
    done
  done
  click_on "Mostra la soluzione" "push button"
  # The hands are on their way: the face tells where they point, again and again.
  $A cambia "Orologio" 2 5 >/dev/null || fail "$CASE: the hands do not move to the solution"
}

run_case() {
  local action="$1" ending="$2"
  CASE="$action, $ending"
  start_x 1280x1024
  start_a11y
  "$PROGRAM" >"$LOG" 2>&1 &
  APP=$!
  if [ "$action" != during_splash ]; then
    WIN=$(wait_main_window 30) || { cat "$LOG" >&2; fail "$CASE: the main window did not appear"; }
  fi
  $action
  kill -0 "$APP" 2>/dev/null || fail "$CASE: the program ended by itself"
  [ -e "$XDG_RUNTIME_DIR/tempolino.lock" ] || fail "$CASE: no single-copy lock while running"
  local children
  children=$(pgrep -P "$APP")

  if [ "$ending" = closed ]; then
    /usr/bin/python3 "$HERE/chiudi_finestra.py" "$WIN" || fail "$CASE: the close request was not sent"
  else
    kill "$XVFB_PID"
  fi
  if ! wait_exit "$APP" 5; then
    kill -9 "$APP"
    fail "$CASE: the program was still running 5 s later"
  fi
  wait "$APP"
  local rc=$?
  APP=""
  xdotool mouseup 1 2>/dev/null
  if [ "$ending" = closed ]; then
    [ "$rc" = 0 ] || { cat "$LOG" >&2; fail "$CASE: exit code $rc (expected 0)"; }
  else
    [ "$rc" = 1 ] || { cat "$LOG" >&2; fail "$CASE: exit code $rc (expected 1)"; }
    grep -qxF "$SESSION_LINE" "$LOG" || { cat "$LOG" >&2; fail "$CASE: no line on standard error"; }
  fi
  for pid in $children; do
    kill -0 "$pid" 2>/dev/null && fail "$CASE: its process $pid ($(cat "/proc/$pid/comm")) was left running"
  done
  [ -e "$XDG_RUNTIME_DIR/tempolino.lock" ] && fail "$CASE: the single-copy lock was left behind"
  echo "$CASE: ended with code $rc"
  stop_a11y
  stop_x
}

for action in during_splash during_map during_held_button during_prompt during_solution; do
  run_case "$action" closed
  run_case "$action" "session ended"
done
echo "closing_midway: ok"
