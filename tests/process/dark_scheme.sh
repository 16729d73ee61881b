#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a desktop with a dark colour scheme (GTK's Adwaita:dark through
# Qt's gtk3 platform theme): Curiosità, with a birthday typed and its weekday shown, and
# the information window are opened with the pointer, photographed, and in each text's
# box the darkest and the lightest pixel must be at least 4.5:1 apart in luminance.
# The program draws its windows with its own light colours, so the desktop's light
# text never lands on the windows' silver.
set -u
PROGRAM="$1"
HERE="$(dirname "$0")"
. "$HERE/lib.bash"
A="/usr/bin/python3 $HERE/accessibile.py"

ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 ||
  fail "Qt's gtk3 platform theme is not installed (qt6-gtk-platformtheme; scripts/install-deps.sh installs it)"

cleanup() {
  kill -9 "${APP:-}" 2>/dev/null
  stop_a11y
  stop_x
  [ -n "${WORK:-}" ] && rm -rf "$WORK"
  true
}
trap cleanup EXIT
WORK=$(mktemp -d /tmp/tempolino-dark.XXXXXX)

start_x 1024x768
start_a11y
QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark QT_DEBUG_PLUGINS=1 "$PROGRAM" >"$WORK/program.log" 2>&1 &
APP=$!
wait_main_window 30 >/dev/null || fail "the main window did not appear"
# The desktop's scheme did reach the program: Qt loaded the gtk3 theme.
grep -q "libqgtk3.so" "$WORK/program.log" || fail "Qt did not load the gtk3 platform theme"

click_on() { # the centre of a control, clicked with the pointer
  local xy
  xy=$($A centro "$@") || fail "no control named $1"
  # shellcheck disable=SC2086
  xdotool mousemove $xy click 1
}

# The luminance contrast in the box "x y width height" of the screenshot $WORK/shot.png,
# less $2 pixels on each side (a control's own border): prints the ratio, e.g. "7.3".
contrast() {
  local x y w h inset="$2"
  read -r x y w h <<<"$1"
  convert "$WORK/shot.png" -crop "$((w - 2 * inset))x$((h - 2 * inset))+$((x + inset))+$((y + inset))" +repage \
    -colorspace RGB -fx "0.2126*r+0.7152*g+0.0722*b" \
    -format "%[fx:(maxima.r + 0.05) / (minima.r + 0.05)]" info:
}

# Each text as "NAME|ROLE|INSET": its box, photographed, must read at 4.5:1 at least.
measure() {
  local window="$1" item name role inset box ratio
  shift
  import -window root "$WORK/shot.png" || fail "no screenshot of $window"
  for item in "$@"; do
    IFS='|' read -r name role inset <<<"$item"
    box=$($A riquadro "$name" "$role") || fail "$window: nothing named $name"
    ratio=$(contrast "$box" "$inset")
    echo "$window: $name ($role) $ratio:1"
    awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' ||
      { cp "$WORK/shot.png" "/tmp/tempolino-dark-$$.png"; fail "$window: $name reads at $ratio:1, below 4.5:1 \
(screenshot /tmp/tempolino-dark-$$.png)"; }
  done
}

# Curiosità: its texts, a date typed into its boxes (the focus starts on the day and
# moves on by itself), and the weekday it tells.
click_on "Curiosità"
$A trovato "Per saperne di più*" label 2>/dev/null ||
  $A riquadro "Per saperne di più*" label >/dev/null || fail "Curiosità did not open"
xdotool type --delay 50 12052015
click_on "OK!" "push button"
# 12 May 2015 was a Tuesday.
$A riquadro "Il tuo giorno di nascita è stato di: Martedì*" label >/dev/null || fail "Curiosità told no weekday"
measure "Curiosità" "Per saperne di più*|label|0" "Vuoi sapere il giorno*|label|0" "    gg   mm   aaaa|label|0" \
  "Giorno|text|3" "Anno|text|3" "OK!|push button|4" "Il tuo giorno di nascita*|label|0" "Chiudi|push button|4"
click_on "Chiudi" "push button"

# The information window: its texts on silver, its link, its buttons.
click_on "Informazioni"
measure "Informazioni" "Idea, programma e disegni*|label|0" "Programma gratuito*|label|0" \
  "Grazie agli insegnanti*|label|0" "Impostazione video*|label|0" "Chiudi|push button|4" "Schede…|push button|4"
click_on "Chiudi" "push button"

kill -0 "$APP" 2>/dev/null || fail "the program ended"
kill "$APP"; wait "$APP" 2>/dev/null; APP=""
echo "dark_scheme: ok"
