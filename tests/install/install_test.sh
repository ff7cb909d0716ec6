#!/usr/bin/env bash
# Installs the build into a fresh prefix (with a blank in its path, on purpose) and checks what a
# user gets: the program folder with every language file and no tv.ini, the launcher, an icon
# that renders, a valid menu entry that names the launcher, and a program that starts through a
# link to the launcher and shows its main window on a private Xvfb.
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
echo "install: layout, icon, menu entry and the installed program checked"
