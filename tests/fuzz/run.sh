#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it on the seeds and then for about a minute
# on new inputs. Any crash, sanitizer report or disagreeing verdict fails the test.
#   tests/fuzz/run.sh [seconds]
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
SRC=$(cd "$HERE/../.." && pwd)
SECONDS_RUN=${1:-60}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -I"$SRC/src/core" $(pkg-config --cflags Qt6Core) \
  "$HERE/fuzz_caselle.cpp" "$SRC/src/core/CalcoloCompleanno.cpp" "$SRC/src/core/Esercizi.cpp" \
  $(pkg-config --libs Qt6Core) -o "$WORK/fuzz_caselle"

mkdir -p "$WORK/corpus"
# The seeds alone first: each must pass as it is.
"$WORK/fuzz_caselle" -runs=0 "$HERE/seeds"
"$WORK/fuzz_caselle" -max_total_time="$SECONDS_RUN" -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix="$WORK/" "$WORK/corpus" "$HERE/seeds"
echo "fuzz: ok"
