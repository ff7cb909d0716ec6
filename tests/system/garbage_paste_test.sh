#!/usr/bin/env bash
# Garbage pasted into the real window through each field's context menu (the clipboard filled by
# xclip), then Enter: the program must answer with a message or a result and stay usable, and a
# saved wing holds the pasted text whole.
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

# 100 000 digits (far beyond any double); 100 000 signs, marks, exponents and digits; every
# Windows-1252 character as UTF-8; a few plain numbers.
t="$work/texts"
head -c 100000 /dev/zero | tr '\0' '9' >"$t/digits"
mixed=$(printf -- '-1,5e+308.-.,E-9x%.0s' $(seq 6000))
printf '%s' "${mixed:0:100000}" >"$t/mixed"
# shellcheck disable=SC2059 # the format is the bytes, as octal escapes
printf "$(printf '\\%03o' $(seq 1 255 | grep -vxE '129|141|143|144|157'))" >"$t/cp1252.bytes"
iconv -f WINDOWS-1252 -t UTF-8 "$t/cp1252.bytes" >"$t/cp1252"
for n in -1e300 0 30 200 250 400 1500; do printf '%s' "$n" >"$t/$n"; done

# set_clipboard <file>: an xclip in the foreground (so its id is known) serves the file's text.
clip_text=""
clip_holds() { timeout 2 xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | cmp -s - "$1"; }
set_clipboard() {
  [ "$clip_text" = "$1" ] && return 0
  x_end $clip_pid
  xclip -quiet -selection clipboard -t UTF8_STRING -i "$1" >/dev/null 2>&1 &
  clip_pid=$! clip_text=$1
  x_poll 10 clip_holds "$1" || fail "the clipboard does not hand out $1"
}

# paste_and_calculate <root> <tip> <length> <sweep> <CG> <mass>: clears the window, pastes the
# texts of those files into panel 1, the CG and the mass, and presses Enter. Sets outcome.
paste_and_calculate() {
  local k=0 text
  x_focus "$main"
  xdotool key alt+e
  sleep 0.2
  for text in "${@:1:5}" - - - - - - - - - - - - "$6"; do
    if [ "$text" != - ]; then
      set_clipboard "$t/$text"
      xdotool key Menu
      x_wait_window "" >/dev/null || fail "no context menu on field $k"
      sleep 0.1
      xdotool key p
      x_poll 10 x_only_main || fail "the context menu of field $k stays open"
    fi
    xdotool key Tab
    k=$((k + 1))
  done
  xdotool key Return
  outcome=result
  if x_poll 3 x_find "" >/dev/null; then
    x_answer "message" Return
    outcome=message
  fi
}

x_start "$work/program/tavelor"
main=$(x_wait_window '^Tavelor$' 15)

# One garbage text for each kind of field (panels 2 to 5 are read as panel 1 is), and a
# negative mass, which no key lets through.
for entry in "digits in panel 1:digits digits digits digits 30 1500" \
  "mixed CG:250 200 400 0 mixed 1500" "negative mass:250 200 400 0 30 -1e300" \
  "cp1252 mass:250 200 400 0 30 cp1252"; do
  # shellcheck disable=SC2086 # the texts are words
  paste_and_calculate ${entry#*:}
  echo "${entry%%:*}: $outcome"
done

# The last wing saved: the mass is the pasted text as the same bytes (CR and LF as blanks).
[ "$outcome" = result ] || fail "the wing with a garbage mass did not calculate"
x_save_as "$work/garbage.txt"
{ tr '\r\n' '  ' <"$t/cp1252.bytes" && printf '\r\n'; } >"$work/expected-mass"
tail -c 252 "$work/garbage.txt" | cmp - "$work/expected-mass" || fail "the saved mass is not the pasted text"
x_quit
echo "garbage paste: every case answered with a message or a result"
