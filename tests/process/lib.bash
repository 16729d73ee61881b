# Shared helpers of the process-level tests: a private X server with a small
# window manager, and waiting for windows with a bounded number of tries.
# Each test sources this file; nothing here runs by itself.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts Xvfb on a free display with the given screen size and a window manager.
start_x() {
  local size="$1"
  for n in $(seq 90 140); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      DISPLAY_NUM=$n
      break
    fi
  done
  [ -n "${DISPLAY_NUM:-}" ] || fail "no free X display number"
  Xvfb ":$DISPLAY_NUM" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$DISPLAY_NUM"
  for _ in $(seq 1 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdpyinfo >/dev/null 2>&1 || fail "Xvfb did not start on $DISPLAY"
  matchbox-window-manager -use_titlebar no >/dev/null 2>&1 &
  WM_PID=$!
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

# Prints the id of the visible main window (named Tempolino and at least 700 pixels
# wide, unlike the round splash), waiting up to $1 seconds.
wait_main_window() {
  local seconds="$1" id w
  for _ in $(seq 1 $((seconds * 10))); do
    for id in $(xdotool search --onlyvisible --name "^Tempolino$" 2>/dev/null); do
      w=$(xwininfo -id "$id" 2>/dev/null | awk '/Width:/ {print $2}')
      [ -n "$w" ] && [ "$w" -ge 700 ] && { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
