# SPDX-License-Identifier: GPL-3.0-or-later
# Shared helpers of the process-level tests: a private X server with a small
# window manager, and waiting for windows with a bounded number of tries.
# Each test sources this file; nothing here runs by itself.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on a free display with the given screen size and a window manager;
# with a second argument "nowm", without one. Words in $XVFB_ARGS go to the server.
start_x() {
  local size="$1" wm="${2:-}" n started=""
  # A free number, and a server of our own on it: another test starting at the same
  # moment may take the number first, and then ours ends at once and the next is tried.
  for n in $(seq 90 140); do
    { [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; } && continue
    # shellcheck disable=SC2086 # XVFB_ARGS is a list of words
    Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp ${XVFB_ARGS:-} >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    # Up to 15 s: a machine busy with builds starts it slowly.
    for _ in $(seq 1 150); do
      kill -0 "$XVFB_PID" 2>/dev/null || break
      xdpyinfo >/dev/null 2>&1 && kill -0 "$XVFB_PID" 2>/dev/null && { started=yes; break; }
      sleep 0.1
    done
    [ -n "$started" ] && { DISPLAY_NUM=$n; break; }
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  done
  [ -n "$started" ] || fail "Xvfb did not start on any display from :90 to :140"
  # A window mapped before the window manager runs is never maximized: the program's
  # main window would stay at its own size. Wait until the manager announces itself on
  # the root window, and start it again if it died on the way.
  for _ in 1 2 3; do
    [ "$wm" = nowm ] && break
    matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
    WM_PID=$!
    for _ in $(seq 1 50); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break 2
      kill -0 "$WM_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$WM_PID" 2>/dev/null
    wait "$WM_PID" 2>/dev/null
  done
  [ "$wm" = nowm ] || xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" ||
    fail "the window manager did not start on $DISPLAY"
  # Each test has its own runtime folder, so its lock does not meet a developer's running copy.
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  export QT_QPA_PLATFORM=xcb
}

stop_x() {
  [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  [ -n "${XDG_RUNTIME_DIR:-}" ] && rm -rf "$XDG_RUNTIME_DIR"
  wait 2>/dev/null
  true
}

# Prints the id of a visible window whose name matches, waiting up to $2 seconds.
wait_window() {
  local name="$1" seconds="$2" id=""
  for _ in $(seq 1 $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Prints the id of a visible window named Tempolino whose width passes the test
# "$2 700" ("-ge" or "-lt"), waiting up to $1 seconds.
wait_tempolino_window() {
  local seconds="$1" test="$2" id w
  for _ in $(seq 1 $((seconds * 10))); do
    for id in $(xdotool search --onlyvisible --name "^Tempolino$" 2>/dev/null); do
      w=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {print $2}')
      [ -n "$w" ] && [ "$w" "$test" 700 ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}

# The main window: at least 700 pixels wide, unlike the round splash.
wait_main_window() { wait_tempolino_window "$1" -ge; }

# Starts a private PulseAudio server with one null sink named "test" and exports
# PULSE_SERVER for the programs started after it. Its socket, configuration and
# state live in a folder of its own ($PULSE_DIR, made on the first call), so a
# restart with start_pulse listens on the same socket. As root the server warns
# that it is meant for a user session, and runs all the same.
#
# The null sink does no rewinds. With them, a sound that starts on a quiet stream
# is mixed in by rewinding the sink over what it already rendered, which its
# monitor has already passed on: the recording then lacks the first 1 to 5 ms of
# the sound. The default source "capture" follows the monitor, for recorders
# (Qt's) that list no monitors.
start_pulse() {
  command -v pulseaudio >/dev/null || fail "pulseaudio is not installed (scripts/install-deps.sh installs it)"
  if [ -z "${PULSE_DIR:-}" ]; then
    PULSE_DIR=$(mktemp -d /tmp/tempolino-pulse.XXXXXX) || fail "cannot make a folder for the sound server"
    mkdir -p "$PULSE_DIR/home" "$PULSE_DIR/run"
    chmod 700 "$PULSE_DIR/run"
    cat > "$PULSE_DIR/server.pa" <<PA
load-module module-native-protocol-unix socket=$PULSE_DIR/native auth-anonymous=1
load-module module-null-sink sink_name=test norewinds=1
set-default-sink test
load-module module-remap-source master=test.monitor source_name=capture
set-default-source capture
PA
  fi
  rm -f "$PULSE_DIR/native"
  # Nothing of the user's session: no D-Bus, no X, no pid file, no autospawned copies.
  env -u DISPLAY HOME="$PULSE_DIR/home" XDG_RUNTIME_DIR="$PULSE_DIR/run" XDG_CONFIG_HOME="$PULSE_DIR/home" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$PULSE_DIR/no-bus" \
    pulseaudio -n -F "$PULSE_DIR/server.pa" --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    --disallow-exit --log-target=file:"$PULSE_DIR/server.log" >/dev/null 2>&1 &
  PULSE_PID=$!
  export PULSE_SERVER="unix:$PULSE_DIR/native"
  for _ in $(seq 1 100); do
    pactl info >/dev/null 2>&1 && return 0
    kill -0 "$PULSE_PID" 2>/dev/null || break
    sleep 0.1
  done
  fail "the private sound server did not start (log: $(tail -n 3 "$PULSE_DIR/server.log" 2>/dev/null))"
}

# Kills the private sound server at once, as a crash would.
kill_pulse() {
  [ -n "${PULSE_PID:-}" ] && kill -9 "$PULSE_PID" 2>/dev/null && wait "$PULSE_PID" 2>/dev/null
  PULSE_PID=""
}

stop_pulse() {
  if [ -n "${PULSE_PID:-}" ]; then
    kill "$PULSE_PID" 2>/dev/null
    for _ in $(seq 1 50); do kill -0 "$PULSE_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$PULSE_PID" 2>/dev/null
    wait "$PULSE_PID" 2>/dev/null
  fi
  PULSE_PID=""
  [ -n "${PULSE_DIR:-}" ] && [ -z "${KEEP:-}" ] && rm -rf "$PULSE_DIR"
  PULSE_DIR=""
  true
}

# Waits up to $2 seconds for process $1 to end; false when it is still running.
wait_exit() {
  local pid="$1" seconds="$2"
  for _ in $(seq 1 $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  ! kill -0 "$pid" 2>/dev/null
}

# A window narrower than the main window: the message window, a side window.
wait_small_window() { wait_tempolino_window "$1" -lt; }

# Recording the private sound server's null sink, and clicking in the main window with
# the time of the click. They use the test's $WORK folder, its sample rate $RATE and its
# main window $WIN; the recorder runs as $REC.
#
# Starts recording the sink's monitor into $1 and returns once samples flow (the null
# sink may sleep up to two seconds in its idle block before it delivers).
record_start() {
  parecord --raw --latency-msec=10 --device=test.monitor --rate=$RATE --channels=1 --format=s16le "$1" \
    2>"$WORK/parecord.log" &
  REC=$!
  for _ in $(seq 1 60); do
    [ "$(stat -c %s "$1" 2>/dev/null || echo 0)" -gt $((RATE / 5)) ] && return 0
    kill -0 "$REC" 2>/dev/null || break
    sleep 0.1
  done
  fail "the recording of the sound server does not run ($(cat "$WORK/parecord.log"))"
}

record_stop() {
  kill -INT "$REC" 2>/dev/null
  wait "$REC" 2>/dev/null
  REC=""
}

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# Milliseconds recorded so far in recording $1.
recorded_ms() {
  echo $(($(stat -c %s "$1") * 1000 / 2 / RATE))
}

# Milliseconds from $2 ms of recording $1 to the first sound (above -40 dB) after it.
onset_ms() {
  local all rest
  all=$(sox -t raw -r $RATE -e signed -b 16 -c 1 "$1" -t raw - trim "$(awk -v m="$2" 'BEGIN { print m / 1000 }')" \
    2>/dev/null | wc -c)
  rest=$(sox -t raw -r $RATE -e signed -b 16 -c 1 "$1" -t raw - trim "$(awk -v m="$2" 'BEGIN { print m / 1000 }')" \
    silence 1 0.005 1% 2>/dev/null | wc -c)
  echo $(((all - rest) * 1000 / 2 / RATE))
}

# Clicks at ($1, $2) in the main window and prints the time of the click in ms.
click_at() {
  local t
  xdotool mousemove --window "$WIN" "$1" "$2"
  sleep 0.05
  t=$(now_ms)
  xdotool click 1
  echo "$t"
}

# The screen reader's side of a test: a private D-Bus session bus, the AT-SPI bus and its
# registry. Exports DBUS_SESSION_BUS_ADDRESS and QT_LINUX_ACCESSIBILITY_ALWAYS_ON for the
# programs started after it; stop_a11y ends them. Fails when one cannot start.
start_a11y() {
  [ -x /usr/bin/python3 ] && /usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    fail "python3-pyatspi is not installed (scripts/install-deps.sh installs it)"
  [ -x /usr/libexec/at-spi-bus-launcher ] && [ -x /usr/libexec/at-spi2-registryd ] ||
    fail "at-spi2-core is not installed (scripts/install-deps.sh installs it)"
  BUS_DIR=$(mktemp -d /tmp/tempolino-a11y.XXXXXX)
  dbus-daemon --session --address="unix:path=$BUS_DIR/bus" --nofork --nopidfile >"$BUS_DIR/bus.log" 2>&1 &
  BUS_PID=$!
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$BUS_DIR/bus"
  for _ in $(seq 1 50); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null 2>&1 && break
    sleep 0.1
  done
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetId >/dev/null 2>&1 ||
    fail "the private D-Bus session bus did not start ($(cat "$BUS_DIR/bus.log"))"
  /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$BUS_DIR/launcher.log" 2>&1 &
  LAUNCHER_PID=$!
  A11Y=""
  for _ in $(seq 1 50); do
    A11Y=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      2>/dev/null | tr -d ' ')
    [ -n "$A11Y" ] && break
    sleep 0.1
  done
  [ -n "$A11Y" ] || fail "the AT-SPI bus did not start ($(cat "$BUS_DIR/launcher.log"))"
  AT_SPI_BUS_ADDRESS="$A11Y" /usr/libexec/at-spi2-registryd >"$BUS_DIR/registry.log" 2>&1 &
  REGISTRY_PID=$!
  for _ in $(seq 1 50); do
    a11y_registry_up && break
    kill -0 "$REGISTRY_PID" 2>/dev/null || break
    sleep 0.1
  done
  a11y_registry_up || fail "the AT-SPI registry did not start ($(cat "$BUS_DIR/registry.log"))"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

a11y_registry_up() {
  dbus-send --bus="$A11Y" --print-reply=literal --dest=org.freedesktop.DBus / \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null | grep -q true
}

stop_a11y() {
  kill "${REGISTRY_PID:-}" "${LAUNCHER_PID:-}" 2>/dev/null
  kill "${BUS_PID:-}" 2>/dev/null
  [ -n "${BUS_DIR:-}" ] && rm -rf "$BUS_DIR"
  REGISTRY_PID="" LAUNCHER_PID="" BUS_PID="" BUS_DIR=""
  true
}
