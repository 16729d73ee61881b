#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures how long a sound takes from RealSoundPlayer::play() to its first
# samples out of the sound server: starts a private PulseAudio server with a
# null sink (tests/process/lib.bash) and runs the recorder and player of
# bench/sound/latenza_suono.cpp against it.
#
#   bench/sound-latency.sh [path/to/tempolino_sound_latency] [rounds]
set -u
BENCH=${1:-build/bench/tempolino_sound_latency}
ROUNDS=${2:-10}
. "$(dirname "$0")/../tests/process/lib.bash"
trap 'stop_pulse' EXIT
[ -x "$BENCH" ] || fail "$BENCH is missing (build the benchmarks)"
start_pulse
"$BENCH" "$ROUNDS"
