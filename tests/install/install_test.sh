#!/usr/bin/env bash
# Installs the build into a fresh prefix (with a blank in its path, on purpose) and checks what a
# user gets: the program folder with every language file and no tv.ini, the launcher, an icon
# that renders, a valid menu entry that names the launcher, and a program that starts through a
# link to the launcher and shows its main window on a private Xvfb. Then the Debian package:
# its file list, and a program unpacked from it that reports a wing.
# Usage: install_test.sh <cmake> <build folder> <source folder> <work folder>
set -euo pipefail
cmake="$1" build="$2" source="$3" work="$4"
# shellcheck source=../system/x_session.sh
source "$source/tests/system/x_session.sh"
rm -rf "$work"
mkdir -p "$work"
prefix="$work/prefix with blank"
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  fail "cmake --install: $(cat "$work/install.log")"

program="$prefix/lib/tavelor"
[ -x "$program/tavelor" ] || fail "no executable lib/tavelor/tavelor"
[ -x "$prefix/bin/tavelor" ] || fail "no executable launcher bin/tavelor"
diff -r --exclude=tavelor "$source/lang" "$program" || fail "lib/tavelor does not hold exactly lang/*.lng"

# The icon, rendered with the SVG renderer named in scripts/setup: 128 x 128, mostly opaque.
icon="$prefix/share/icons/hicolor/scalable/apps/tavelor.svg"
command -v rsvg-convert >/dev/null || fail "rsvg-convert is missing (run scripts/setup)"
rsvg-convert "$icon" -o "$work/icon.png" || fail "the icon $icon does not render"
shown=$(convert "$work/icon.png" -alpha extract -format '%w %h %[fx:mean>0.5]' info:)
[ "$shown" = "128 128 1" ] || fail "the icon renders as '$shown' (width, height, mostly opaque)"

desktop="$prefix/share/applications/tavelor.desktop"
desktop-file-validate "$desktop" >"$work/validate.log" 2>&1 && [ ! -s "$work/validate.log" ] ||
  fail "desktop-file-validate: $(cat "$work/validate.log")"
# Exec names the launcher (quoted: the prefix holds a blank) and the file a file manager opens.
grep -qxF "Exec=\"$prefix/bin/tavelor\" %f" "$desktop" || fail "the menu entry does not run the launcher"
grep -qx "Icon=tavelor" "$desktop" || fail "the menu entry lacks Icon=tavelor"

# A stored language, so the program goes straight to its main window; started through a link
# elsewhere, as a PATH entry would be, the launcher must find its prefix.
printf '[Langue]\r\n1=English\r\n' >"$program/tv.ini"
x_session_start "$work" 60
ln -s "$prefix/bin/tavelor" "$work/tavelor"
x_start "$work/tavelor"
main=$(x_wait_window '^Tavelor$' 30)
x_quit
grep -q English "$program/tv.ini" || fail "tv.ini was lost from lib/tavelor"

# The Debian package, built by CPack and unpacked into a throwaway root as dpkg would lay it out.
cpack="$(dirname "$cmake")/cpack"
(cd "$build" && "$cpack" -G DEB -B "$work/deb") >"$work/cpack.log" 2>&1 || fail "cpack: $(tail -5 "$work/cpack.log")"
version=$(sed -n 's/^project(tavelor VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
deb="$work/deb/tavelor_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work/deb")"
expected=$( (printf '%s\n' ./usr/bin/tavelor ./usr/lib/tavelor/tavelor \
  ./usr/share/applications/tavelor.desktop ./usr/share/icons/hicolor/scalable/apps/tavelor.svg
  for f in "$source"/lang/*.lng; do echo "./usr/lib/tavelor/$(basename "$f")"; done) | sort)
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$listed" = "$expected" ] || fail "the package holds: $listed"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
dpkg-deb -x "$deb" "$work/root"
grep -qxF 'Exec="/usr/bin/tavelor" %f' "$work/root/usr/share/applications/tavelor.desktop" ||
  fail "the packaged menu entry does not run /usr/bin/tavelor"
printf '%s\r\n' "Z2O-Please don't Delete ...." 250 200 400 0 200 100 300 50 100 "" "" "" "" "" \
  "" "" "" "" "" "" 30 1500 >"$work/wing.txt"
HOME="$work" "$work/root/usr/bin/tavelor" --report "$work/wing.txt" >"$work/report.json" ||
  fail "the packaged program does not report a wing"
grep -q '"span_mm": *1400' "$work/report.json" || fail "the packaged report reads: $(cat "$work/report.json")"
echo "install: layout, icon, menu entry, the installed program and the Debian package checked"
