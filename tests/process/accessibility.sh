#!/usr/bin/env bash
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

BUS_DIR=$(mktemp -d /tmp/tempolino-a11y.XXXXXX)
cleanup() {
  kill "${APP:-}" "${REGISTRY_PID:-}" "${LAUNCHER_PID:-}" 2>/dev/null
  kill "${BUS_PID:-}" 2>/dev/null
  stop_x
  rm -rf "$BUS_DIR"
}
trap cleanup EXIT

[ -x /usr/bin/python3 ] && /usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
  fail "python3-pyatspi is not installed (scripts/install-deps.sh installs it)"
[ -x /usr/libexec/at-spi-bus-launcher ] && [ -x /usr/libexec/at-spi2-registryd ] ||
  fail "at-spi2-core is not installed (scripts/install-deps.sh installs it)"

start_x 1280x1024

# The private session bus.
dbus-daemon --session --address="unix:path=$BUS_DIR/bus" --nofork --nopidfile >"$BUS_DIR/bus.log" 2>&1 &
BUS_PID=$!
export DBUS_SESSION_BUS_ADDRESS="unix:path=$BUS_DIR/bus"
for _ in $(seq 1 50); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null 2>&1 && break
  sleep 0.1
done
dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null 2>&1 ||
  fail "the private D-Bus session bus did not start ($(cat "$BUS_DIR/bus.log"))"

# The accessibility bus, and the registry on it.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$BUS_DIR/launcher.log" 2>&1 &
LAUNCHER_PID=$!
A11Y=""
for _ in $(seq 1 50); do
  A11Y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null |
    tr -d ' ')
  [ -n "$A11Y" ] && break
  sleep 0.1
done
[ -n "$A11Y" ] || fail "the AT-SPI bus did not start ($(cat "$BUS_DIR/launcher.log"))"
AT_SPI_BUS_ADDRESS="$A11Y" /usr/libexec/at-spi2-registryd >"$BUS_DIR/registry.log" 2>&1 &
REGISTRY_PID=$!
registry_up() {
  dbus-send --bus="$A11Y" --print-reply=literal --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null | grep -q true
}
for _ in $(seq 1 50); do
  registry_up && break
  kill -0 "$REGISTRY_PID" 2>/dev/null || break
  sleep 0.1
done
registry_up || fail "the AT-SPI registry did not start ($(cat "$BUS_DIR/registry.log"))"
echo "session bus, AT-SPI bus and registry: up"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROGRAM" >"$BUS_DIR/program.log" 2>&1 &
APP=$!
wait_main_window 30 >/dev/null || { cat "$BUS_DIR/program.log" >&2; fail "the main window did not appear"; }

/usr/bin/python3 "$HERE/albero_accessibile.py" || { cat "$BUS_DIR/program.log" >&2; fail "the accessibility tree"; }
kill -0 "$APP" 2>/dev/null || fail "the program ended while it was read"
echo "accessibility: ok"
