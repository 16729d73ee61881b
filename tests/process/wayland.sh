#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program as a Wayland program, under a private headless Weston: it chooses
# the Wayland plugin by itself in a Wayland session, the splash goes after its five
# seconds and the main window stays, a message window opens and closes, and the
# program is still running. The message window and Curiosità, asked to be maximized
# as Qt's Wayland title bar does, come back to their fixed size and the program
# survives (Weston ends a program whose maximized window keeps another size). Without
# the platform plugin asked for, the one-line message says that the plugin is missing;
# with the plugin and no compositor, that there is no screen.
#
# Headless Weston has no seat (no keyboard, no pointer); Qt 6.4's Wayland text input
# then crashes as it paints a text box, so the input method is left out here
# (QT_IM_MODULE=none), as it never is on a desktop, which always has a seat.
set -u
PROGRAM="$1"
HERE="$(dirname "$0")"
BUILD="$(dirname "$PROGRAM")"
. "$HERE/lib.bash"
A="/usr/bin/python3 $HERE/accessibile.py"

command -v weston >/dev/null || fail "weston is not installed (scripts/install-deps.sh installs it)"
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
  ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
  fail "Qt's Wayland plugin is not installed (qt6-wayland; scripts/install-deps.sh installs it)"

cleanup() {
  kill -9 "${APP:-}" 2>/dev/null
  [ -n "${WESTON_PID:-}" ] && kill "$WESTON_PID" 2>/dev/null && wait "$WESTON_PID" 2>/dev/null
  stop_a11y
  [ -n "${WL_DIR:-}" ] && rm -rf "$WL_DIR"
  true
}
trap cleanup EXIT

WL_DIR=$(mktemp -d /tmp/tempolino-wayland.XXXXXX)
chmod 700 "$WL_DIR"
export XDG_RUNTIME_DIR="$WL_DIR"
unset DISPLAY QT_QPA_PLATFORM
SOCKET="wayland-tempolino-$$"
weston --backend=headless-backend.so --socket="$SOCKET" --width=1280 --height=800 --idle-time=0 \
  --no-config --log="$WL_DIR/weston.log" >/dev/null 2>&1 &
WESTON_PID=$!
for _ in $(seq 1 100); do
  [ -S "$WL_DIR/$SOCKET" ] && break
  kill -0 "$WESTON_PID" 2>/dev/null || break
  sleep 0.1
done
[ -S "$WL_DIR/$SOCKET" ] || fail "Weston did not start ($(tail -n 3 "$WL_DIR/weston.log" 2>/dev/null))"
export WAYLAND_DISPLAY="$SOCKET" XDG_SESSION_TYPE=wayland QT_IM_MODULE=none

start_a11y
LOG="$WL_DIR/program.log"
"$PROGRAM" >"$LOG" 2>&1 &
APP=$!
launched=$(date +%s%N)
# The splash first, then the main window alone: the splash has gone.
$A trovato "Esci" "push button" 2>/dev/null && fail "the main window showed at once, without the splash"
$A finestre 1 30 >/dev/null || fail "nothing of the program shows"
$A trovato "Esci" "push button" 2>/dev/null || {
  for _ in $(seq 1 100); do $A trovato "Esci" "push button" 2>/dev/null && break; sleep 0.1; done
}
shown_ms=$(( ($(date +%s%N) - launched) / 1000000 ))
$A trovato "Esci" "push button" 2>/dev/null || { cat "$LOG" >&2; fail "the main window did not appear"; }
[ "$shown_ms" -ge 4500 ] || fail "the main window appeared after ${shown_ms} ms, before the splash had its 5 seconds"
windows=$($A finestre 1 5) || fail "the splash did not go"
echo "after the splash: $windows"

# An exercise answered with nothing in the boxes: the message window, closed by its button.
$A premi "Esercizi" "push button" || fail "no button Esercizi"
$A premi "OK!" "push button" || fail "no button OK!"
$A finestre 2 10 >/dev/null || fail "no message window after OK!"
$A premi "OK" "push button" || fail "no button OK in the message window"
$A finestre 1 10 >/dev/null || fail "the message window did not close"
sleep 1
kill -0 "$APP" 2>/dev/null || { cat "$LOG" >&2; fail "the program ended"; }
grep -q "Setting cursor position" "$LOG" && fail "the program tried to move the pointer: $(cat "$LOG")"

# The title bar's maximize on the message window and on Curiosità, while the program runs.
out=$("$BUILD/tests/massimizza_finestra" 2>&1)
rc=$?
echo "$out"
echo "$out" | grep -qx "FINE" || fail "maximizing a fixed window ended the program: $out"
[ "$rc" = 0 ] || fail "a maximized fixed window did not come back to its size: $out"
kill -0 "$APP" 2>/dev/null || fail "the program ended"
kill "$APP"; wait "$APP" 2>/dev/null; APP=""

# No compositor: the plugin is there, the screen is not. No plugin: it says the plugin.
err=$(WAYLAND_DISPLAY=nessun-compositore QT_QPA_PLATFORM=wayland "$PROGRAM" 2>&1 >/dev/null)
rc=$?
[ "$rc" = 1 ] || fail "without a compositor the exit code is $rc"
echo "$err" | grep -q "nessuno schermo disponibile" || fail "without a compositor: $err"
err=$(QT_QPA_PLATFORM=nessunmodulo "$PROGRAM" 2>&1 >/dev/null)
rc=$?
[ "$rc" = 1 ] || fail "without the platform plugin the exit code is $rc"
[ "$(echo "$err" | wc -l)" = 1 ] || fail "without the platform plugin, more than one line: $err"
echo "$err" | grep -q "manca il modulo grafico «nessunmodulo»" || fail "without the platform plugin: $err"
echo "$err" | grep -q "schermo" && fail "without the platform plugin it speaks of a screen: $err"
echo "wayland: ok"
