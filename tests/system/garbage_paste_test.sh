#!/usr/bin/env bash
# Garbage pasted into the real window: each field gets its text through its context menu (the
# Menu key, then Paste), the clipboard filled by xclip, and Enter calculates. Whatever was
# pasted, the program must answer with a message or a result within seconds and stay usable;
# one case then saves the wing to prove that the pasted text reached the field whole.
# Usage: garbage_paste_test.sh <tavelor executable> <language folder> <work folder>
set -euo pipefail
exe="$1" languages="$2" work="$3"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=x_session.sh
source "$here/x_session.sh"

rm -rf "$work"
mkdir -p "$work"/program "$work"/home "$work"/texts "$work"/runtime
chmod 700 "$work/runtime"
cp "$exe" "$languages"/*.lng "$work/program/"
printf '[Langue]\r\n1=English\r\n' >"$work/program/tv.ini"
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 LANG=C.UTF-8
export CUPS_SERVER="$work/no-cupsd-here.sock"

app_pid=""
clip_pid=""
x_run_bounded "$work" 100

# --- The texts.
t="$work/texts"
# 100 000 characters: one long run of digits (far beyond any double), and a long mix of signs,
# marks, exponents and digits.
head -c 100000 /dev/zero | tr '\0' '9' >"$t/long-digits"
mixed=$(printf -- '-1,5e+308.-.,E-9x%.0s' $(seq 6000))
printf '%s' "${mixed:0:100000}" >"$t/long-mixed"
# Every character of Windows-1252 (all bytes 01 to FF that it defines), as UTF-8 text.
for byte in $(seq 1 255); do
  case $byte in 129 | 141 | 143 | 144 | 157) continue ;; esac
  printf "\\$(printf '%03o' "$byte")"
done >"$t/cp1252.bytes"
iconv -f WINDOWS-1252 -t UTF-8 "$t/cp1252.bytes" >"$t/cp1252"
[ "$(wc -c <"$t/cp1252.bytes")" -eq 250 ] || fail "the Windows-1252 text is not 250 bytes"
for n in -750 -250 -1 -1e300 0 30 200 250 400; do printf '%s' "$n" >"$t/$n"; done

# The 18 fields in keyboard order: panel 1 (root, tip, length, sweep), the CG, panels 2 to 5
# (tip, length, sweep) and the mass.
field_count=18

current_clip=""
# Puts the text of file $1 on the clipboard, through an xclip that stays in the foreground (so
# its id is known), and waits until the X server hands that text out.
set_clipboard() {
  [ "$current_clip" = "$1" ] && return 0
  local previous="$clip_pid"
  xclip -quiet -selection clipboard -t UTF8_STRING -i "$1" >/dev/null 2>&1 &
  clip_pid=$!
  current_clip="$1"
  if [ -n "$previous" ]; then
    kill "$previous" 2>/dev/null || true
    wait "$previous" 2>/dev/null || true
  fi
  for _ in $(seq 200); do
    if xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | cmp -s - "$1"; then return 0; fi
    sleep 0.02
  done
  fail "the clipboard does not hand out $1"
}

main=""
start_program() {
  (cd "$work/program" && exec ./tavelor) >>"$work/tavelor.log" 2>&1 &
  app_pid=$!
  main=$(x_wait_window "$app_pid" '^Tavelor' 15)
}

# Clears the window (the focus goes to panel 1's root chord), then pastes texts[k] into field k
# through the context menu and presses Enter. Prints what came up: "message" or "result".
paste_and_calculate() {
  local texts=("$@") k
  x_focus "$main"
  xdotool key alt+e
  sleep 0.2
  for ((k = 0; k < field_count; k++)); do
    if [ -n "${texts[k]}" ]; then
      set_clipboard "${texts[k]}"
      xdotool key Menu
      x_wait_other_window "$app_pid" 10 "$main" >/dev/null || fail "no context menu on field $k"
      sleep 0.2
      xdotool key p
      # The menu must be gone (the paste done) before the next key, however slow the build.
      for _ in $(seq 300); do
        [ "$(x_window_count "$app_pid")" -eq 1 ] && break
        sleep 0.03
      done
      [ "$(x_window_count "$app_pid")" -eq 1 ] || fail "the context menu of field $k stays open"
    fi
    xdotool key Tab
  done
  xdotool key Return
  local box
  if box=$(x_wait_other_window "$app_pid" 10 "$main"); then
    x_focus "$box"
    xdotool key Return
    sleep 0.3
    echo message
  else
    kill -0 "$app_pid" 2>/dev/null || fail "the program died"
    echo result
  fi
}

# The program still answers: Help > About opens and closes.
still_answers() {
  [ "$(x_window_count "$app_pid")" -eq 1 ] || fail "a window is still open after '$1'"
  x_focus "$main"
  xdotool key alt+h
  sleep 0.3
  xdotool key a
  local about
  about=$(x_wait_window "$app_pid" 'About' 10) || fail "no About window after '$1'"
  x_focus "$about"
  xdotool key Escape
  sleep 0.3
  [ "$(x_window_count "$app_pid")" -eq 1 ] || fail "the About window stayed after '$1'"
}

# After a result: the printed sheet (the PDF fallback) shows numbers, never "nan" or "inf".
results_make_sense() {
  x_focus "$main"
  xdotool key alt+f
  sleep 0.3
  xdotool key p
  local box pdf
  box=$(x_wait_other_window "$app_pid" 10 "$main") || fail "no print question after '$1'"
  x_focus "$box"
  xdotool key Return
  box=$(x_wait_window "$app_pid" '^Print$' 10) || fail "no sheet name prompt after '$1'"
  x_focus "$box"
  xdotool key ctrl+a
  xdotool type --delay 10 "$2"
  xdotool key Return
  box=$(x_wait_other_window "$app_pid" 10 "$main") || fail "no closing message after '$1'"
  x_focus "$box"
  xdotool key Return
  sleep 0.3
  pdf="$work/home/Documents/$2.pdf"
  [ -f "$pdf" ] || pdf="$work/home/$2.pdf"
  [ -f "$pdf" ] || fail "'$1' printed no sheet"
  pdftotext -layout "$pdf" - | sed -n '1,12p'
  if pdftotext "$pdf" - | grep -Eiw -- '-?(nan|inf|infinity)'; then
    fail "the sheet for '$1' shows a number that is none"
  fi
}

same_text() {
  local k
  texts=()
  for ((k = 0; k < field_count; k++)); do texts+=("$1"); done
}

x_session_start "$work"
start_program

for case_name in long-digits long-mixed cp1252 -1e300; do
  same_text "$t/$case_name"
  outcome=$(paste_and_calculate "${texts[@]}")
  echo "$case_name in every field: $outcome"
  still_answers "$case_name"
done

# Negative sizes that pass the input rules: a root chord of -250 against a tip of 250 leaves
# no area; a negative length folds the panel back; a negative CG and mass. Panels 2 to 5 stay
# empty ("" leaves a field as the clear left it).
empty_panels=("" "" "" "" "" "" "" "" "" "" "" "")
sheets=0
# The last case cancels panel 1's area with panel 2's: a wing of no area at all.
cases=(
  "zero root|$t/-250 $t/250 $t/400 $t/-1 $t/30"
  "negative length|$t/250 $t/250 $t/-1 $t/-250 $t/30"
  "negative CG|$t/250 $t/200 $t/400 $t/0 $t/-1"
  "no area|$t/250 $t/250 $t/400 $t/0 $t/30 $t/-750 $t/400"
)
for entry in "${cases[@]}"; do
  read -r -a texts <<<"${entry#*|}"
  while [ "${#texts[@]}" -lt $((field_count - 1)) ]; do texts+=(""); done
  texts+=("$t/-1")
  outcome=$(paste_and_calculate "${texts[@]}")
  echo "${entry%%|*}: $outcome"
  if [ "$outcome" = result ]; then results_make_sense "${entry%%|*}" "sheet-$((++sheets))"; fi
  still_answers "${entry%%|*}"
done

# Every Windows-1252 character in the mass alone: the wing calculates, and saving it writes the
# pasted text back as the same bytes (CR and LF as blanks, so the file keeps its 23 lines).
texts=("$t/250" "$t/200" "$t/400" "$t/0" "$t/30" "${empty_panels[@]}" "$t/cp1252")
outcome=$(paste_and_calculate "${texts[@]}")
[ "$outcome" = result ] || fail "the wing with a garbage mass did not calculate"
x_focus "$main"
xdotool key alt+f
sleep 0.3
xdotool key s
dialog=$(x_wait_window "$app_pid" '^Save the wing$' 10)
x_focus "$dialog"
xdotool type --delay 10 "$work/garbage.txt"
xdotool key Return
box=$(x_wait_other_window "$app_pid" 10 "$main") || fail "no save confirmation"
x_focus "$box"
xdotool key Return
sleep 0.3
[ -f "$work/garbage.txt" ] || fail "the wing with the garbage mass was not saved"
tr '\r\n' '  ' <"$t/cp1252.bytes" >"$work/expected-mass"
printf '\r\n' >>"$work/expected-mass"
tail -c 252 "$work/garbage.txt" | cmp - "$work/expected-mass" ||
  fail "the saved mass is not the pasted text"

# File > Quit still ends the program normally.
x_focus "$main"
xdotool key alt+f
sleep 0.3
xdotool key q
x_wait_exit "$app_pid" 10 || fail "File > Quit did not end the program"
wait "$app_pid" || fail "the program ended with status $?"
app_pid=""
echo "garbage paste: every case answered with a message or a result"
