#!/usr/bin/env bash
# Garbage pasted into the real window: each field gets its text through its context menu (the
# Menu key, then Paste), the clipboard filled by xclip, and Enter calculates. Whatever was
# pasted, the program must answer with a message or a result and stay usable (the next case is
# pasted through the same menus); a result prints a sheet with numbers only, and the last case
# saves the wing to prove that the pasted text reached the field whole.
# Usage: garbage_paste_test.sh <tavelor executable> <language folder> <work folder>
set -euo pipefail
exe="$1" languages="$2" work="$3"
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"
rm -rf "$work"
mkdir -p "$work/program" "$work/texts"
cp "$exe" "$languages"/*.lng "$work/program/"
printf '[Langue]\r\n1=English\r\n' >"$work/program/tv.ini"
command -v xclip >/dev/null || fail "xclip is missing (run scripts/setup)"
x_session_start "$work" 140

# --- The texts. 100 000 characters: one run of digits (far beyond any double), and a mix of
# signs, marks, exponents and digits; every character of Windows-1252, as UTF-8; plain numbers.
t="$work/texts"
head -c 100000 /dev/zero | tr '\0' '9' >"$t/long-digits"
mixed=$(printf -- '-1,5e+308.-.,E-9x%.0s' $(seq 6000))
printf '%s' "${mixed:0:100000}" >"$t/long-mixed"
# shellcheck disable=SC2059 # the format is the bytes, as octal escapes
printf "$(printf '\\%03o' $(seq 1 255 | grep -vxE '129|141|143|144|157'))" >"$t/cp1252.bytes"
iconv -f WINDOWS-1252 -t UTF-8 "$t/cp1252.bytes" >"$t/cp1252"
for n in -750 -250 -1 -1e300 0 30 200 250 400; do printf '%s' "$n" >"$t/$n"; done

# Puts the text of file $1 on the clipboard, through an xclip that stays in the foreground (so
# its id is known), and waits until the X server hands that text out.
clip_text=""
clip_holds() { timeout 2 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | cmp -s - "$1"; }
set_clipboard() {
  [ "$clip_text" = "$1" ] && return 0
  x_end $clip_pid
  xclip -quiet -selection clipboard -t UTF8_STRING -i "$1" >/dev/null 2>&1 &
  clip_pid=$! clip_text=$1
  x_poll 10 clip_holds "$1" || fail "the clipboard does not hand out $1"
}

# Clears the window (the focus goes to panel 1's root chord), pastes file k of the arguments
# into field k (the 18 fields in keyboard order: panel 1, the CG, panels 2 to 5, the mass; "-"
# leaves a field empty) and presses Enter. Sets outcome to what came up: "message" or "result".
paste_and_calculate() {
  local k=0 text
  x_focus "$main"
  xdotool key alt+e
  sleep 0.2
  for text in "$@"; do
    if [ "$text" != - ]; then
      set_clipboard "$text"
      xdotool key Menu
      x_wait_dialog "context menu on field $k" >/dev/null
      sleep 0.1
      xdotool key p
      x_poll 10 x_only_main || fail "the context menu of field $k stays open"
    fi
    xdotool key Tab
    k=$((k + 1))
  done
  [ "$k" -eq 18 ] || fail "$k texts for 18 fields"
  xdotool key Return
  outcome=result
  if x_poll 3 x_find_other >/dev/null; then
    x_answer "message" Return
    outcome=message
  fi
}

x_start "$work/program/tavelor"
main=$(x_wait_window '^Tavelor$' 15)

# Each garbage text in panel 1's fields, the CG and the mass: every kind of field the program
# reads (panels 2 to 5 are read as panel 1 is).
for name in long-digits long-mixed cp1252 -1e300; do
  g="$t/$name"
  paste_and_calculate "$g" "$g" "$g" "$g" "$g" - - - - - - - - - - - - "$g"
  echo "$name in panel 1, the CG and the mass: $outcome"
done

# Negative sizes pasted past the keyboard's rules, the mass -1 throughout: a root chord of -250
# against a tip of 250 leaves no area; a negative length folds the panel back; panel 2 cancelling
# panel 1's area leaves none at all; a sound wing with a negative mass. A result's sheet shows
# numbers, never nan or inf.
for entry in "zero root:-250 250 400 -1 30" "negative length:250 250 -1 -250 30" \
  "no area:250 250 400 0 30 -750 400" "negative mass:250 200 400 0 30"; do
  read -r -a fields <<<"${entry#*:}"
  fields=("${fields[@]/#/$t/}")
  while [ ${#fields[@]} -lt 17 ]; do fields+=(-); done
  paste_and_calculate "${fields[@]}" "$t/-1"
  echo "${entry%%:*}: $outcome"
  [ "$outcome" = result ] || continue
  x_print "${entry%%:*}"
  if pdftotext "$HOME/Documents/${entry%%:*}.pdf" - | grep -Eiw -- '-?(nan|inf|infinity)'; then
    fail "the sheet for '${entry%%:*}' shows a number that is none"
  fi
done

# Every Windows-1252 character in the mass alone: the wing calculates, and saving it writes the
# pasted text back as the same bytes (CR and LF as blanks, so the file keeps its 23 lines).
paste_and_calculate "$t/250" "$t/200" "$t/400" "$t/0" "$t/30" - - - - - - - - - - - - "$t/cp1252"
[ "$outcome" = result ] || fail "the wing with a garbage mass did not calculate"
x_save_as "$work/garbage.txt"
{ tr '\r\n' '  ' <"$t/cp1252.bytes" && printf '\r\n'; } >"$work/expected-mass"
tail -c 252 "$work/garbage.txt" | cmp - "$work/expected-mass" || fail "the saved mass is not the pasted text"
x_quit
echo "garbage paste: every case answered with a message or a result"
