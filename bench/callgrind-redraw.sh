#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Instructions per redraw of the clock face, counted by callgrind under Xvfb at
# 1024x768 (the large face, radius 234), beside the bare Qt floor in the same run:
# the program's real main window ticked N times a second apart in shown time, each
# tick followed by the paint of what changed and its hand-over to the X server
# (bench/tempolino_redraw.cpp), and the floor's face updated N times the same way
# (bench/floor/bare_clock.cpp). Every thread of the process is counted.
#
#   bench/callgrind-redraw.sh [build-dir] [N]
set -u
BUILD=${1:-build}
N=${2:-40}
. "$(dirname "$0")/../tests/process/lib.bash"
command -v valgrind >/dev/null || fail "valgrind is not installed (scripts/install-deps.sh installs it)"
OUT=$(mktemp -d /tmp/tempolino-callgrind.XXXXXX)
trap 'stop_x; rm -rf "$OUT"' EXIT

start_x 1024x768
count() {
  local name="$1"; shift
  valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$OUT/$name.out" "$@" \
    >"$OUT/$name.log" 2>&1 || fail "$name did not run under callgrind: $(tail -n 3 "$OUT/$name.log")"
  awk '/^totals:/ {print $2}' "$OUT/$name.out"
}
face=$(count tempolino "$BUILD/bench/tempolino_redraw" "$N")
floor=$(count floor "$BUILD/bench/tempolino_bare_clock" 234 "$N")
awk -v f="$face" -v b="$floor" -v n="$N" 'BEGIN {
  printf "instructions per redraw, %d redraws each:\n", n
  printf "  tempolino  %.2f M\n", f / n / 1e6
  printf "  floor      %.2f M\n", b / n / 1e6
  printf "  ratio      %.2f\n", f / b
}'
