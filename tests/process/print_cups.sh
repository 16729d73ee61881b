#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the cut-out sheet for real: starts a private CUPS scheduler with the
# cups-pdf virtual printer as the default, prints through the print window and
# the program's own printing code (tests/stampa_foglio, built beside the
# program), waits for the PDF that cups-pdf writes, and checks with
# `pdftotext -bbox` that every word of the sheet stands where it belongs, to
# half a millimetre. A scheduler that cannot start is a failure, not a skip.
#
# Before that, every way the page can fail to reach the spooler: no printer, a
# stopped printer, a queue that refuses jobs, a user the queue does not allow,
# a job the spooler aborts or cancels at once, a printer that stops on its first
# job; after it, a scheduler that is not running. In each the real print window
# must show the print error with its own number, then ask whether to leave
# without printing, must not count the sheet as printed, and must never say
# "Stampa inviata"; nothing may be left waiting in a queue. The failing printers
# use backends of this test's own (in the scheduler's private program folder)
# that fail or cancel the job as soon as it reaches them.
#
# The PDF printer's default PostScript renderer turns the page's fonts into
# glyph procedures whose codes no longer map to letters (pdftotext then reads
# nonsense, and some glyphs as spaces), so this private queue converts with
# poppler's cairo renderer, which keeps the fonts and their character maps: the
# words are read back as words. The drawn lines are checked on the rendered page.
#
# KEEP=1 leaves the scheduler's folder and the printed PDF in place for a look.
set -uo pipefail

PROGRAM="${1:?the program path}"
HELPER="$(dirname "$PROGRAM")/tests/stampa_foglio"
TOLERANCE=0.5

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -x "$HELPER" ] || fail "the printing helper $HELPER is missing (build the tests)"
[ "$(id -u)" -eq 0 ] || fail "the CUPS scheduler must run as root to drive the cups-pdf backend; run as root"
for tool in cupsd lpadmin lpstat pdftotext pdftoppm pdfinfo; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || fail "the cups-pdf backend is not installed (printer-driver-cups-pdf)"

WORK=$(mktemp -d /tmp/tempolino-cups.XXXXXX) || fail "cannot make a temporary folder"
CUPSD_PID=""
OUTPUT=""
cleanup() {
  if [ -n "$CUPSD_PID" ] && kill -0 "$CUPSD_PID" 2>/dev/null; then
    kill -CONT "$CUPSD_PID" 2>/dev/null
    kill "$CUPSD_PID" 2>/dev/null
    for _ in $(seq 1 50); do kill -0 "$CUPSD_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$CUPSD_PID" 2>/dev/null
  fi
  [ -n "$OUTPUT" ] && [ -z "${KEEP:-}" ] && rm -f "$OUTPUT"
  [ -n "${KEEP:-}" ] && echo "kept $WORK" >&2 && return
  rm -rf "$WORK"
}
trap cleanup EXIT

# ---- a scheduler of our own: its configuration, spool, programs and socket live in $WORK
mkdir -p "$WORK/etc/ppd" "$WORK/spool/tmp" "$WORK/cache" "$WORK/state" "$WORK/log" "$WORK/lib/backend"
chmod 755 "$WORK" "$WORK/etc" "$WORK/lib" "$WORK/lib/backend"
# The system's filters and helpers, the cups-pdf backend, and two backends that give
# up at once: one failing (exit 1: the queue's error policy decides), one asking the
# scheduler to cancel the job (exit 5). Run without arguments, a backend lists its
# device; with a job it fails.
for d in cgi-bin daemon driver filter monitor notifier; do ln -s "/usr/lib/cups/$d" "$WORK/lib/$d"; done
ln -s /usr/lib/cups/backend/cups-pdf "$WORK/lib/backend/cups-pdf"
make_backend() {  # scheme, exit status, message
  cat > "$WORK/lib/backend/$1" <<EOB
#!/bin/sh
[ \$# -eq 0 ] && { echo 'direct $1 "Unknown" "Test printer that gives up"'; exit 0; }
echo "ERROR: $3" >&2
exit $2
EOB
  chmod 700 "$WORK/lib/backend/$1"
}
make_backend fail 1 "the printer does not answer"
make_backend cancel 5 "the job is cancelled"
cat > "$WORK/etc/cupsd.conf" <<EOF
Listen $WORK/cups.sock
WebInterface No
Browsing No
LogLevel info
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
cat > "$WORK/etc/cups-files.conf" <<EOF
ServerRoot $WORK/etc
ServerBin $WORK/lib
RequestRoot $WORK/spool
TempDir $WORK/spool/tmp
CacheDir $WORK/cache
StateDir $WORK/state
ErrorLog $WORK/log/error_log
AccessLog $WORK/log/access_log
PageLog $WORK/log/page_log
Printcap $WORK/printcap
SystemGroup root
EOF

cupsd -f -c "$WORK/etc/cupsd.conf" -s "$WORK/etc/cups-files.conf" >"$WORK/log/cupsd.out" 2>&1 &
CUPSD_PID=$!
export CUPS_SERVER="$WORK/cups.sock"
# lpstat -r says whether the scheduler answers; its exit status is 0 either way.
scheduler_running() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
for _ in $(seq 1 100); do
  kill -0 "$CUPSD_PID" 2>/dev/null || break
  scheduler_running && break
  sleep 0.1
done
if ! scheduler_running; then
  echo "--- cupsd output" >&2; cat "$WORK/log/cupsd.out" >&2
  echo "--- cupsd log" >&2; tail -n 20 "$WORK/log/error_log" 2>/dev/null >&2
  fail "the CUPS scheduler did not start"
fi

# ---- the print window against a spooler that does not take the page
# Runs the print window; its messages, state and how it answered are in $WORK/<case>.out.
print_window() {  # case, more arguments of the helper...
  local name=$1
  shift
  QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/liberation \
    "$HELPER" "$WORK/unused.txt" "$@" >"$WORK/$name.out" 2>&1
}
# The window must show the print error number $2, then the closing guard (answered
# Yes by the helper, so the window closes), with the sheet not printed.
expect_error() {  # case, error number, what is wrong, more arguments of the helper...
  local out="$WORK/$1.out" status first second count
  print_window "$1" "${@:4}"
  status=$?
  first=$(grep -m1 '^MESSAGGIO:' "$out")
  second=$(grep '^MESSAGGIO:' "$out" | sed -n 2p)
  count=$(grep -c '^MESSAGGIO:' "$out")
  if grep -q 'Stampa inviata' "$out"; then cat "$out" >&2; fail "$3: the window said the page was sent"; fi
  [ $status -eq 1 ] || { cat "$out" >&2; fail "$3: the print window ended with status $status, not 1"; }
  [[ "$first" == "MESSAGGIO:  Errore nella fase di stampa. | "*" (Errore num. $2 )" ]] \
    || { cat "$out" >&2; fail "$3: the first message is not print error $2"; }
  [ "$second" = "MESSAGGIO: Attenzione: l'orologio non è stato stampato! | Sei sicuro di non volerlo stampare?" ] \
    || { cat "$out" >&2; fail "$3: the error was not followed by the closing question"; }
  [ "$count" -eq 2 ] || { cat "$out" >&2; fail "$3: $count messages instead of the error and the question"; }
  grep -q '^STAMPATO: no$' "$out" || { cat "$out" >&2; fail "$3: the sheet counts as printed"; }
  grep -q '^FINESTRA: chiusa$' "$out" || { cat "$out" >&2; fail "$3: the window did not close after Yes"; }
  echo "$3: ${first#MESSAGGIO: }"
}
nothing_queued() {  # what
  [ -z "$(lpstat -o 2>/dev/null)" ] || { lpstat -o >&2; fail "$1: a job was left in a queue"; }
}
add_queue() {  # name, device, more lpadmin options...
  local name=$1 device=$2
  shift 2
  lpadmin -p "$name" -E -v "$device" -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd "$@" 2>"$WORK/log/lpadmin.err" \
    || { cat "$WORK/log/lpadmin.err" >&2; fail "cannot add the printer $name"; }
}
make_default() {
  lpadmin -d "$1" || fail "cannot make $1 the default printer"
  [ "$(lpstat -d 2>/dev/null | sed -n 's/.*: *//p')" = "$1" ] || fail "$1 is not the default printer"
}

# No printer yet.
expect_error noprinter 1 "without a printer"

add_queue PDF cups-pdf:/ -o pdftops-renderer-default=pdftocairo
make_default PDF

# A stopped printer: nothing may be queued, where it would wait unseen.
cupsdisable PDF || fail "cannot stop the printer"
expect_error stopped 7 "stopped printer"
nothing_queued "stopped printer"
cupsenable PDF || fail "cannot restart the printer"

# A queue that refuses jobs (the scheduler answers server-error-not-accepting-jobs).
cupsreject PDF || fail "cannot make the printer refuse jobs"
expect_error refusing 8 "queue refusing jobs"
nothing_queued "queue refusing jobs"
cupsaccept PDF || fail "cannot make the printer accept jobs again"

# A queue that does not allow this user.
lpadmin -p PDF -u "deny:$(id -un)" || fail "cannot deny the printer to $(id -un)"
expect_error denied 12 "user not allowed"
nothing_queued "user not allowed"
lpadmin -p PDF -u allow:all || fail "cannot allow the printer to everyone again"

# A job the spooler aborts at once: the backend fails and the queue's policy aborts the job.
add_queue ABORT fail:/ -o printer-error-policy=abort-job
make_default ABORT
expect_error aborted 11 "job aborted at once"
nothing_queued "job aborted at once"

# A job the spooler cancels at once: the backend asks for it.
add_queue CANCEL cancel:/
make_default CANCEL
expect_error cancelled 10 "job cancelled at once"
nothing_queued "job cancelled at once"

# A printer that stops on its first job (CUPS's default error policy): the job
# would wait in the queue until someone restarts the printer; it is withdrawn.
add_queue STOPS fail:/ -o printer-error-policy=stop-printer
make_default STOPS
expect_error stops 7 "printer stopping on the job"
nothing_queued "printer stopping on the job"
lpstat -p STOPS 2>/dev/null | grep -q disabled || fail "the printer that fails did not stop: $(lpstat -p STOPS)"

make_default PDF

# Where cups-pdf puts the pages of this user.
HOME_DIR=$(getent passwd "$(id -un)" | cut -d: -f6)
OUT_DIR=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
OUT_DIR=${OUT_DIR:-'${HOME}/PDF'}
OUT_DIR=${OUT_DIR//'${HOME}'/$HOME_DIR}
mkdir -p "$OUT_DIR"
touch "$WORK/start"

# ---- print through the print window, as the child does
EXPECTED="$WORK/expected.txt"
QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR=/usr/share/fonts/truetype/liberation \
  "$HELPER" "$EXPECTED" "Niccolò" "Zoë" >"$WORK/helper.out" 2>"$WORK/helper.err"
status=$?
cat "$WORK/helper.out"
[ $status -eq 0 ] || { cat "$WORK/helper.err" >&2; fail "the print window did not send the page (status $status)"; }

# ---- wait, bounded, for the job to finish and the PDF to appear
for _ in $(seq 1 600); do
  OUTPUT=$(find "$OUT_DIR" -maxdepth 1 -name '*.pdf' -newer "$WORK/start" 2>/dev/null | head -n 1)
  if [ -n "$OUTPUT" ] && [ -z "$(lpstat -o PDF 2>/dev/null)" ]; then break; fi
  OUTPUT=""
  sleep 0.1
done
if [ -z "$OUTPUT" ]; then
  lpstat -W all -o >&2
  tail -n 30 "$WORK/log/error_log" >&2
  fail "no PDF from cups-pdf in $OUT_DIR within 60 seconds"
fi
echo "printed: $OUTPUT"

pdfinfo "$OUTPUT" | grep -q '^Pages: *1$' || fail "the print is not one page"
pdfinfo "$OUTPUT" | grep -Eq '^Page size: *59[45](\.[0-9]+)? x 84[12](\.[0-9]+)? pts' \
  || fail "the page is not A4: $(pdfinfo "$OUTPUT" | grep '^Page size')"

# ---- the words: each must stand, with its own letters, at its place
# pdftotext puts a word's box top at the baseline less the font's ascent as the
# PDF declares it; the spooler rewrites the fonts with their own ascent, so read
# it from the PDF (font descriptors are plain text in the PDF cups-pdf writes).
grep -a -o '/FontName */[A-Za-z+-]*\|/Ascent [-0-9.]*' "$OUTPUT" | awk '
  /FontName/ { n = $0; sub(/.*\//, "", n); style = n ~ /-BoldItalic$/ ? "X" : n ~ /-Bold$/ ? "B" : n ~ /-Italic$/ ? "I" : "R" }
  /Ascent/ && style != "" { print style, $2; style = "" }' | sort -u -k1,1 >"$WORK/ascent.txt"
for style in R B I; do
  grep -q "^$style " "$WORK/ascent.txt" \
    || fail "the print has no embedded $style font with an ascent (fonts: $(pdffonts "$OUTPUT" | tail -n +3 | awk '{ print $1, $2 }' | tr '\n' ';'))"
done

pdftotext -bbox "$OUTPUT" "$WORK/words.html" || fail "pdftotext cannot read the print"
sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)" xMax="[0-9.]*" yMax="[0-9.]*">\(.*\)<\/word>.*/\1\t\2\t\3/p' \
  "$WORK/words.html" \
  | sed "s/&apos;/'/g; s/&quot;/\"/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\\&/g" \
  | awk -F'\t' -v OFS='\t' '{ printf "%s\t%.3f\t%.3f\n", $3, $1 * 25.4 / 72, $2 * 25.4 / 72 }' >"$WORK/found.txt"

awk -v tol="$TOLERANCE" -F'\t' '
  FILENAME ~ /ascent/ { split($0, a, " "); asc[a[1]] = a[2] / 1000; next }
  FILENAME ~ /expected/ { word[++ne] = $1; ex[ne] = $2; ey[ne] = $3 - asc[$5] * $4; next }
  { fw[++nf] = $1; fx[nf] = $2; fy[nf] = $3 }
  function abs(v) { return v < 0 ? -v : v }
  END {
    if (nf != ne) { printf "FAIL: %d words on the page, %d expected\n", nf, ne; bad = 1 }
    worst = 0
    for (k = 1; k <= ne; k++) {
      err = 1e9; near = ""
      for (m = 1; m <= nf; m++) {
        if (fw[m] != word[k]) continue
        dx = abs(fx[m] - ex[k]); dy = abs(fy[m] - ey[k]); e = dx > dy ? dx : dy
        if (e < err) { err = e; near = sprintf("(%.2f, %.2f)", fx[m], fy[m]) }
      }
      if (err > tol) {
        printf "FAIL: \"%s\" not at (%.2f, %.2f) mm; nearest: %s\n", word[k], ex[k], ey[k], near == "" ? "none" : near
        bad = 1
      } else if (err > worst) worst = err
    }
    printf "%d words read back; largest distance of a word from its place: %.2f mm\n", nf, worst
    exit bad
  }' "$WORK/ascent.txt" "$EXPECTED" "$WORK/found.txt" || fail "words missing or out of place (see above)"

# A few places fixed on the sheet whatever the fonts: the notes and the labels of the hands.
check_left() {  # word, n-th occurrence, expected left edge on the printable area
  local got
  got=$(awk -F'\t' -v w="$1" -v n="$2" '$1 == w && ++c == n { print $2 }' "$WORK/found.txt")
  awk -v g="${got:-none}" -v e="$3" -v l="$LEFT" -v tol="$TOLERANCE" \
    'BEGIN { d = g - (l + e); if (g == "none" || d > tol || -d > tol) exit 1 }' \
    || fail "\"$1\" (#$2) starts at ${got:-nowhere} mm, not at $LEFT + $3 mm"
}
read -r LEFT TOP WIDTH < <(sed -n 's/^AREA: //p' "$WORK/helper.out")
check_left "Note:" 1 10
check_left "<" 1 136
check_left "<" 2 116

# ---- the page's vertical placement, on drawn lines: a column of pixels at 0.1 mm each
CENTRE_X=$(awk -v l="${LEFT:-0}" -v w="${WIDTH:-0}" 'BEGIN { printf "%.3f", l + w / 2 }')
[ -n "${LEFT:-}" ] && [ -n "${TOP:-}" ] && [ -n "${WIDTH:-}" ] || fail "the helper did not give the printable area"
dark_rows() {  # x in mm on the sheet, from y, to y: prints the centres (mm) of the dark runs
  local x=$1 from=$2 to=$3 px py h
  px=$(awk -v v="$x" 'BEGIN { printf "%d", v * 10 }')
  py=$(awk -v v="$from" 'BEGIN { printf "%d", v * 10 }')
  h=$(awk -v a="$from" -v b="$to" 'BEGIN { printf "%d", (b - a) * 10 }')
  pdftoppm -r 254 -gray -x "$px" -y "$py" -W 1 -H "$h" "$OUTPUT" >"$WORK/column.pgm" || return 1
  tail -c "$h" "$WORK/column.pgm" | od -An -tu1 -v | tr -s ' ' '\n' | sed '/^$/d' \
    | awk -v y0="$py" '{ r = NR - 1 } $1 < 128 { if (!run) { s = r; run = 1 } e = r; next }
        { if (run) printf "%.2f\n", (y0 + (s + e) / 2 + 0.5) / 10; run = 0 }
        END { if (run) printf "%.2f\n", (y0 + (s + e) / 2 + 0.5) / 10 }'
}
check_line() {  # what, x, expected y (printable area), search from, to
  local what=$1 x=$2 want=$3 got
  got=$(dark_rows "$x" "$4" "$5" | awk -v w="$want" -v tol="$TOLERANCE" \
        'function abs(v) { return v < 0 ? -v : v } abs($1 - w) <= tol { print; exit }')
  [ -n "$got" ] || fail "$what not found at y = $want mm (dark rows: $(dark_rows "$x" "$4" "$5" | tr '\n' ' '))"
  echo "$what at y = $got mm (expected $want)"
}
sheet() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a + b }'; }
check_line "the rule" "$(sheet "$LEFT" 100)" "$(sheet "$TOP" 272)" "$(sheet "$TOP" 266)" "$(sheet "$TOP" 278)"
check_line "the outer circle's top" "$CENTRE_X" "$(sheet "$TOP" 4.5)" "$(sheet "$TOP" 2)" "$(sheet "$TOP" 10)"
check_line "the inner circle's top" "$CENTRE_X" "$(sheet "$TOP" 8.5)" "$(sheet "$TOP" 2)" "$(sheet "$TOP" 10)"
check_line "the centre mark's top" "$CENTRE_X" "$(sheet "$TOP" 95.5)" "$(sheet "$TOP" 90)" "$(sheet "$TOP" 97)"

# ---- a scheduler that stops answering (SIGSTOP) while the page goes to it: the window
# keeps answering (its thread never waits 0.1 s); a scheduler that goes on within the
# time limit prints the page, one that does not is print error 13 and the closing guard
answering() {  # case, what
  local slowest
  slowest=$(sed -n 's/^RISPOSTA: //p' "$WORK/$1.out")
  [ -n "$slowest" ] && [ "$slowest" -le 100 ] \
    || { cat "$WORK/$1.out" >&2; fail "$2: the print window went ${slowest:-?} ms without answering"; }
  echo "$2: the window answered all along (longest pause ${slowest} ms, $(sed -n 's/^ATTESA: //p' "$WORK/$1.out") ms in all)"
}
kill -STOP "$CUPSD_PID"
print_window frozen_then_back &
helper=$!
sleep 2
kill -CONT "$CUPSD_PID"
wait "$helper" || { cat "$WORK/frozen_then_back.out" >&2; fail "a scheduler stopped for 2 s: the page was not sent"; }
grep -q '^MESSAGGIO: Stampa inviata alla stampante.$' "$WORK/frozen_then_back.out" \
  || { cat "$WORK/frozen_then_back.out" >&2; fail "a scheduler stopped for 2 s: no \"Stampa inviata\""; }
answering frozen_then_back "a scheduler stopped for 2 s"

kill -STOP "$CUPSD_PID"
expect_error frozen 13 "a scheduler that does not answer" --limite=3000
kill -CONT "$CUPSD_PID"
answering frozen "a scheduler that does not answer"
scheduler_running || fail "the scheduler did not go on after it was stopped"
nothing_queued "a scheduler that did not answer"

# ---- a scheduler that is not running any more
kill "$CUPSD_PID" 2>/dev/null
for _ in $(seq 1 50); do kill -0 "$CUPSD_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$CUPSD_PID" 2>/dev/null && fail "the scheduler did not stop"
scheduler_running && fail "the scheduler still answers after it stopped"
expect_error nospooler 9 "scheduler not running"

echo "PASS: the sheet went through CUPS to cups-pdf with every word and line in place; every failure to reach the spooler was reported"
