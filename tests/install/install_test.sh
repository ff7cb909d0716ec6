#!/usr/bin/env bash
# install_test.sh CMAKE BUILD_DIR SOURCE_DIR
# Installs BUILD_DIR into a fresh temporary prefix and checks what a user gets: the program folder
# with every language file, the launcher, the icon, a valid menu entry that points at the
# launcher, and a program that really starts from there (under Xvfb) and shows its main window.
set -uo pipefail
cmake_cmd=$1
build=$2
source=$3

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tavelor install test XXXXXX")  # a blank in the prefix on purpose
program_pid=""
cleanup() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then kill "$program_pid"; fi
  rm -rf "$work"
}
trap cleanup EXIT
prefix="$work/prefix"

if ! "$cmake_cmd" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install did not complete" >&2
  exit 1
fi
pass "installed into $prefix"

# --- Layout -----------------------------------------------------------------------------------
program_dir="$prefix/lib/tavelor"
{ [ -f "$program_dir/tavelor" ] && [ -x "$program_dir/tavelor" ]; } || fail "no executable lib/tavelor/tavelor"
[ -w "$program_dir" ] || fail "lib/tavelor is not writable, tv.ini could not be stored"
shopt -s nullglob
source_languages=("$source"/lang/*.lng)
[ ${#source_languages[@]} -gt 0 ] || fail "no language files in $source/lang"
for language in "${source_languages[@]}"; do
  name=$(basename "$language")
  if ! cmp -s "$language" "$program_dir/$name"; then
    fail "language file $name is missing or differs in lib/tavelor"
  fi
done
installed_languages=("$program_dir"/*.lng)
[ ${#installed_languages[@]} -eq ${#source_languages[@]} ] ||
  fail "lib/tavelor holds ${#installed_languages[@]} language files, lang/ ${#source_languages[@]}"
[ ! -e "$program_dir/tv.ini" ] || fail "the install must not bring a tv.ini of its own"
[ -x "$prefix/bin/tavelor" ] || fail "no executable launcher bin/tavelor"
icon="$prefix/share/icons/hicolor/scalable/apps/tavelor.svg"
[ -f "$icon" ] || fail "no icon $icon"
desktop="$prefix/share/applications/tavelor.desktop"
[ -f "$desktop" ] || fail "no menu entry $desktop"
[ $failures -eq 0 ] && pass "layout"

# --- Icon: an SVG that renders to something visible --------------------------------------------
if [ -f "$icon" ] && command -v convert >/dev/null 2>&1; then
  size=$(convert "$icon" -format '%w %h' info: 2>/dev/null)
  [ "$size" = "128 128" ] || fail "the icon does not render as a 128x128 image (got '$size')"
  opaque=$(convert "$icon" -alpha extract -format '%[fx:mean]' info: 2>/dev/null)
  awk -v m="${opaque:-0}" 'BEGIN { exit !(m > 0.5) }' || fail "the icon renders mostly empty"
  pass "icon renders ($size)"
fi

# --- Menu entry --------------------------------------------------------------------------------
if [ -f "$desktop" ]; then
  if command -v desktop-file-validate >/dev/null 2>&1; then
    if desktop-file-validate "$desktop" >"$work/validate.log" 2>&1 && [ ! -s "$work/validate.log" ]; then
      pass "desktop-file-validate"
    else
      cat "$work/validate.log" >&2
      fail "desktop-file-validate reports problems"
    fi
  else
    fail "desktop-file-validate is missing (Debian package desktop-file-utils; run scripts/setup)"
  fi
  # Exec names the launcher of this prefix, quoted because the prefix holds a blank, and the file
  # a file manager opens with it.
  expected_exec="Exec=\"$prefix/bin/tavelor\" %f"
  grep -qxF "$expected_exec" "$desktop" || fail "menu entry lacks '$expected_exec'"
  grep -qx "Icon=tavelor" "$desktop" || fail "menu entry lacks Icon=tavelor"
fi

# --- The installed program starts and shows its main window --------------------------------------
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v xdotool >/dev/null 2>&1; then
  echo "SKIPPED: starting the installed program needs xvfb-run and xdotool (scripts/setup)"
  [ $failures -eq 0 ] && exit 77
  exit 1
fi
# A stored language, so the program goes straight to its main window.
printf '[Langue]\r\n1=English\r\n' >"$program_dir/tv.ini"
# Through a link on another folder, as a PATH entry would be: the launcher must find its prefix.
mkdir -p "$work/elsewhere"
ln -s "$prefix/bin/tavelor" "$work/elsewhere/tavelor"
title=$(grep -a -m1 '^0=' <(sed -n '/^\[Label\]/,/^\[/p' "$source/lang/English.lng") |
  tr -d '\r' | cut -d= -f2-)
cat >"$work/start.sh" <<'INNER'
#!/usr/bin/env bash
# Inside Xvfb: start the program, wait for its main window, then end it.
set -u
launcher=$1
title=$2
export XDG_RUNTIME_DIR=$3
"$launcher" &
pid=$!
if ! timeout 30 xdotool search --sync --onlyvisible --name "^${title}\$" >/dev/null; then
  echo "the main window '$title' did not appear within 30 s" >&2
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  exit 1
fi
if ! kill -0 "$pid" 2>/dev/null; then
  echo "the program ended by itself" >&2
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
INNER
chmod +x "$work/start.sh"
mkdir -m 700 "$work/runtime"
if timeout 90 env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$work/start.sh" \
  "$work/elsewhere/tavelor" "$title" "$work/runtime" >"$work/run.log" 2>&1; then
  pass "the installed program showed its main window '$title'"
else
  cat "$work/run.log" >&2
  fail "the installed program did not show its main window"
fi
grep -q "English" "$program_dir/tv.ini" || fail "tv.ini was lost from lib/tavelor"

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "install test passed"
