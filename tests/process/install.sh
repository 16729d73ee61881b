#!/usr/bin/env bash
# Installation: `cmake --install` into a temporary prefix puts the program, its help
# page, its icons, the .desktop and metainfo files where the desktop expects them,
# both files pass their validators, and the Debian package lists the same files and
# declares the Qt libraries the program links.
set -u
PROGRAM="$1"
BUILD=$(cd "$(dirname "$PROGRAM")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

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
appstreamcli validate --no-net "$P/share/metainfo/it.tempolino.Tempolino.metainfo.xml" >"$WORK/as.log" 2>&1 \
  || { cat "$WORK/as.log"; fail "appstreamcli validate"; }
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
echo "install: ok"
