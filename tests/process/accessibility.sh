#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program as a screen reader meets it: a private D-Bus session bus, the AT-SPI
# bus and registry on it, the real program under its own X server with Qt's
# accessibility switched on, and the tree read through AT-SPI (albero_accessibile.py):
# the adjustment buttons' names, the option buttons as radio buttons, the face's name
# and description, and after a click on "Esercizi" a description that tells where the
# hands point without the time. Fails when the bus or the registry cannot start.
set -u
PROGRAM="$1"
HERE="$(dirname "$0")"
. "$HERE/lib.bash"

cleanup() {
  kill "${APP:-}" 2>/dev/null
  stop_a11y
  stop_x
}
trap cleanup EXIT

start_x 1280x1024
start_a11y
echo "session bus, AT-SPI bus and registry: up"

LOG=$(mktemp)
"$PROGRAM" >"$LOG" 2>&1 &
APP=$!
wait_main_window 30 >/dev/null || { cat "$LOG" >&2; fail "the main window did not appear"; }

/usr/bin/python3 "$HERE/albero_accessibile.py" || { cat "$LOG" >&2; fail "the accessibility tree"; }
kill -0 "$APP" 2>/dev/null || fail "the program ended while it was read"
echo "accessibility: ok"
