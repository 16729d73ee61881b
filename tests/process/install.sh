#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation: `cmake --install` into a temporary prefix puts the program, its help
# page, its icons, the .desktop and metainfo files where the desktop expects them,
# both files pass their validators, and the Debian package lists the same files and
# declares the Qt libraries the program links. The package, unpacked into a throwaway
# root, holds a stripped and hardened program, its manual pages, copyright and
# changelog; lintian finds no error and no warning in it, its AppStream file passes
# `appstreamcli validate --pedantic`, and the installed program answers --version,
# --help, an unknown option and a missing screen, and shows its window under the
# launcher's name.
set -u
PROGRAM="$1"
BUILD=$(cd "$(dirname "$PROGRAM")" && pwd)
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
. "$(dirname "$0")/lib.bash"
WORK=$(mktemp -d)
trap 'kill "${APP:-}" 2>/dev/null; stop_x; rm -rf "$WORK"' EXIT
for tool in lintian appstreamcli desktop-file-validate dpkg-deb readelf xprop man; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/install-deps.sh installs it)"
done

cmake --install "$BUILD" --prefix "$WORK/prefix" >/dev/null || fail "cmake --install failed"
P="$WORK/prefix"
for f in bin/tempolino share/tempolino/Tempolino.htm \
         share/applications/it.tempolino.Tempolino.desktop \
         share/metainfo/it.tempolino.Tempolino.metainfo.xml \
         share/icons/hicolor/scalable/apps/it.tempolino.Tempolino.svg \
         share/icons/hicolor/48x48/apps/it.tempolino.Tempolino.png \
         share/icons/hicolor/256x256/apps/it.tempolino.Tempolino.png; do
  [ -e "$P/$f" ] || fail "the installed tree lacks $f"
done
[ -x "$P/bin/tempolino" ] || fail "the installed program is not executable"
file "$P/share/icons/hicolor/48x48/apps/it.tempolino.Tempolino.png" | grep -q "48 x 48" \
  || fail "the 48x48 icon has another size"

desktop-file-validate "$P/share/applications/it.tempolino.Tempolino.desktop" || fail "desktop-file-validate"
grep -q "^Categories=Education;" "$P/share/applications/it.tempolino.Tempolino.desktop" \
  || fail "not in the Education menu"

# The Debian package.
(cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/deb" >"$WORK/cpack.log" 2>&1) \
  || { cat "$WORK/cpack.log"; fail "cpack"; }
DEB=$(ls "$WORK"/deb/tempolino_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || fail "no .deb was made"
dpkg-deb --contents "$DEB" > "$WORK/contents"
for f in ./usr/bin/tempolino ./usr/share/tempolino/Tempolino.htm \
         ./usr/share/applications/it.tempolino.Tempolino.desktop \
         ./usr/share/metainfo/it.tempolino.Tempolino.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/it.tempolino.Tempolino.svg; do
  grep -q " $f\$" "$WORK/contents" || fail "the package lacks $f"
done
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
# Only the libraries the program names itself (its NEEDED entries), not theirs.
for lib in $(objdump -p "$PROGRAM" | awk '$1 == "NEEDED" && $2 ~ /libQt6/ {print $2}'); do
  # libQt6Widgets.so.6 belongs to the Debian package libqt6widgets6.
  path=$(readlink -f "$(ldd "$PROGRAM" | awk -v l="$lib" '$1 == l {print $3}')")
  pkg=$( (dpkg -S "$path" || dpkg -S "/usr${path#/usr}" || dpkg -S "${path#/usr}") 2>/dev/null | head -n1 | cut -d: -f1)
  [ -n "$pkg" ] || fail "no Debian package owns $lib"
  echo "$DEPENDS" | grep -q "$pkg" || fail "the package does not depend on $pkg (for $lib): $DEPENDS"
done
echo "$DEPENDS" | grep -q fonts-liberation || fail "the package does not depend on fonts-liberation"
# A Wayland session runs the program as a Wayland program; Qt's own dialogs speak Italian.
for pkg in qt6-wayland qt6-translations-l10n; do
  echo "$DEPENDS" | grep -q "$pkg" || fail "the package does not depend on $pkg: $DEPENDS"
done

# ---- the package unpacked into a throwaway root
ROOT="$WORK/root"
dpkg -x "$DEB" "$ROOT" || fail "dpkg -x"
VERSION=$(dpkg-deb -f "$DEB" Version)
D="$ROOT/usr/share/doc/tempolino"
for f in usr/bin/tempolino usr/share/man/man6/tempolino.6.gz usr/share/man/it/man6/tempolino.6.gz \
         usr/share/doc/tempolino/copyright usr/share/doc/tempolino/changelog.gz; do
  [ -f "$ROOT/$f" ] || fail "the unpacked package lacks $f"
done
BIN="$ROOT/usr/bin/tempolino"
file "$BIN" | grep -q ", stripped" || fail "the packaged program is not stripped: $(file "$BIN")"
readelf -h "$BIN" | grep -q "Type:.*DYN" || fail "the packaged program is not position-independent"
readelf -d "$BIN" | grep -q "FLAGS.*BIND_NOW" || fail "the packaged program is not linked with -z now"
readelf -lW "$BIN" | grep -q "GNU_RELRO" || fail "the packaged program has no read-only relocations"
readelf --dyn-syms -W "$BIN" | grep -q "__[a-z_]*_chk" || fail "the packaged program calls no fortified functions"
dpkg-deb -f "$DEB" Maintainer | grep -qE '^[^<]*[^< ] <[^>]+@[^>]+>$' \
  || fail "the maintainer has no name: $(dpkg-deb -f "$DEB" Maintainer)"
head -n 1 "$D/copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
  || fail "the copyright file is not machine-readable"
zcat "$D/changelog.gz" | head -n 1 | grep -q "^tempolino ($VERSION) " || fail "the changelog does not start with $VERSION"
# Both manual pages render without a complaint of man or groff.
for page in man6/tempolino.6.gz it/man6/tempolino.6.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$ROOT/usr/share/man/$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$ROOT/usr/share/man/it/man6/tempolino.6.gz" 2>/dev/null | grep -q "impara a leggere l'orologio" \
  || fail "the Italian manual page does not read as written"

# The AppStream file: valid to the letter, with the build's addresses, the screenshots
# committed under resources/screenshots/ and a release entry for this version.
META="$ROOT/usr/share/metainfo/it.tempolino.Tempolino.metainfo.xml"
appstreamcli validate --pedantic --no-net --explain "$META" >"$WORK/as.log" 2>&1 \
  || { cat "$WORK/as.log"; fail "appstreamcli validate --pedantic"; }
echo "appstreamcli validate --pedantic: $(tail -n 1 "$WORK/as.log")"
cache() { sed -n "s/^$1:[A-Z]*=//p" "$BUILD/CMakeCache.txt"; }
grep -qF "<url type=\"homepage\">$(cache TEMPOLINO_SITO)</url>" "$META" || fail "the homepage is not TEMPOLINO_SITO"
grep -qF "<url type=\"bugtracker\">$(cache TEMPOLINO_SEGNALAZIONI)</url>" "$META" \
  || fail "the bug tracker is not TEMPOLINO_SEGNALAZIONI"
grep -q "<release version=\"$VERSION\"" "$META" || fail "no release entry for $VERSION"
grep -q '<description>' "$META" && grep -q '<p xml:lang="en">' "$META" || fail "no English description"
grep -q '<content_rating type="oars-1.1"' "$META" || fail "no content rating"
shots=$(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/\([^/<]*\)</image>.*|\3 \1 \2|p' "$META")
[ -n "$shots" ] || fail "no screenshots"
while read -r name width height; do
  png="$SOURCE/resources/screenshots/$name"
  [ -f "$png" ] || fail "the screenshot $name is not in resources/screenshots"
  file "$png" | grep -q "PNG image data, $width x $height" || fail "$name is not $width x $height: $(file "$png")"
done <<< "$shots"

# lintian: no error, no warning (its informational tags are shown, not counted).
lintian --fail-on error,warning --info --pedantic --tag-display-limit 0 "$DEB" >"$WORK/lintian.log" 2>"$WORK/lintian.err" \
  || { cat "$WORK/lintian.log" "$WORK/lintian.err"; fail "lintian"; }
grep -q "^[EW]: " "$WORK/lintian.log" && { cat "$WORK/lintian.log"; fail "lintian reports errors or warnings"; }
echo "lintian: no error, no warning; $(grep -c "^[IP]: " "$WORK/lintian.log") informational tags"
sed 's/^/  /' "$WORK/lintian.log"

# The installed program on the command line, without a screen.
OUT=$(env -u DISPLAY -u WAYLAND_DISPLAY "$BIN" --version) || fail "--version failed"
[ "$OUT" = "Tempolino $VERSION" ] || fail "--version says: $OUT"
echo "installed tempolino --version: $OUT"
for opt in -v -h --help; do
  env -u DISPLAY -u WAYLAND_DISPLAY "$BIN" "$opt" >"$WORK/out" 2>"$WORK/err" || fail "$opt did not exit 0"
  [ -s "$WORK/out" ] && [ ! -s "$WORK/err" ] || fail "$opt: nothing on standard output, or something on standard error"
done
grep -q "^Uso: tempolino" "$WORK/out" || fail "--help is not the Italian usage"
env -u DISPLAY -u WAYLAND_DISPLAY "$BIN" --colore >"$WORK/out" 2>"$WORK/err"
rc=$?
[ "$rc" = 2 ] || fail "an unknown option exited with $rc (expected 2)"
[ ! -s "$WORK/out" ] && grep -q "opzione sconosciuta: --colore" "$WORK/err" && grep -q "^Uso: tempolino" "$WORK/err" \
  || fail "an unknown option: no usage on standard error"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$WORK" "$BIN" >"$WORK/out" 2>"$WORK/err"
rc=$?
[ "$rc" = 1 ] || fail "without a screen the program exited with $rc (expected 1)"
[ "$(wc -l < "$WORK/err")" = 1 ] && grep -q "^Tempolino: nessuno schermo disponibile" "$WORK/err" \
  || { cat "$WORK/err"; fail "without a screen: not one Italian line"; }

# Under X the window carries the class that the launcher's StartupWMClass names.
WMCLASS=$(sed -n 's/^StartupWMClass=//p' "$ROOT/usr/share/applications/it.tempolino.Tempolino.desktop")
[ -n "$WMCLASS" ] || fail "the desktop entry has no StartupWMClass"
start_x 1024x768
"$BIN" >"$WORK/app.log" 2>&1 &
APP=$!
win=$(wait_main_window 30) || { cat "$WORK/app.log"; fail "the installed program showed no main window"; }
CLASS=$(xprop -id "$win" WM_CLASS)
echo "$CLASS" | grep -qF "\"$WMCLASS\"" || fail "the window's class ($CLASS) is not $WMCLASS"
kill "$APP"
wait_exit "$APP" 10 || fail "the installed program did not end"
APP=""
echo "install: ok"
