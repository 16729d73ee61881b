#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Worksheets from the command line, with no screen at all: a new sheet's code on
# standard output and its two pages in the file; the same code written again gives
# the same pages; a wrong code is one Italian line and exit code 2; a folder that
# cannot be written is exit code 1 and no file.
set -u
PROGRAM="$1"
. "$(dirname "$0")/lib.bash"
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$WORK"

code=$(timeout 30 "$PROGRAM" --nuova-scheda --pdf "$WORK/nuova.pdf" 2>"$WORK/err")
rc=$?
[ "$rc" = 0 ] || fail "--nuova-scheda ended with $rc: $(cat "$WORK/err")"
[[ "$code" =~ ^[0-9A-Z]{3}-[0-9A-Z]{3}-[0-9A-Z]{3}$ ]] || fail "--nuova-scheda printed '$code', not a code"
pdfinfo "$WORK/nuova.pdf" | grep -q '^Pages: *2$' || fail "the new sheet is not two pages"
pdftotext "$WORK/nuova.pdf" - | grep -q "Codice scheda: $code" || fail "the new sheet does not carry its code"

# The code typed back, in small letters: the same two pages, pixel for pixel.
lower=$(echo "$code" | tr 'A-Z' 'a-z')
timeout 30 "$PROGRAM" --scheda "$lower" --pdf "$WORK/di nuovo.pdf" >"$WORK/out" 2>"$WORK/err" ||
  fail "--scheda ended with $?: $(cat "$WORK/err")"
[ ! -s "$WORK/out" ] || fail "--scheda wrote on standard output: $(cat "$WORK/out")"
pdftoppm -r 50 -png "$WORK/nuova.pdf" "$WORK/a"
pdftoppm -r 50 -png "$WORK/di nuovo.pdf" "$WORK/b"
for page in 1 2; do
  cmp -s "$WORK/a-$page.png" "$WORK/b-$page.png" || fail "page $page of the code's sheet differs from the new sheet"
done

# A code with one character changed.
last=${code: -1}
[ "$last" = 7 ] && other=8 || other=7
timeout 30 "$PROGRAM" --scheda "${code%?}$other" --pdf "$WORK/sbagliata.pdf" >/dev/null 2>"$WORK/err"
rc=$?
[ "$rc" = 2 ] || fail "a wrong code ended with $rc"
[ "$(grep -cv XDG_RUNTIME_DIR "$WORK/err")" = 1 ] || fail "a wrong code gave more than one line: $(cat "$WORK/err")"
grep -q "codice non è giusto" "$WORK/err" || fail "a wrong code was not said: $(cat "$WORK/err")"
[ ! -e "$WORK/sbagliata.pdf" ] || fail "a wrong code wrote a file"

# A folder this user may not write (root may write anywhere: a folder that is not there).
mkdir "$WORK/chiusa"
chmod a-w "$WORK/chiusa"
target="$WORK/chiusa/scheda.pdf"
[ "$(id -u)" = 0 ] && target="$WORK/manca/scheda.pdf"
timeout 30 "$PROGRAM" --scheda "$code" --pdf "$target" >/dev/null 2>"$WORK/err"
rc=$?
[ "$rc" = 1 ] || fail "an unwritable file ended with $rc"
grep -q "non è stata scritta" "$WORK/err" || fail "the unwritable file was not said: $(cat "$WORK/err")"
[ ! -e "$target" ] || fail "a file was left behind"
echo "worksheets from the command line: ok"
