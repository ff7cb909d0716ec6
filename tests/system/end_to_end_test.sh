#!/usr/bin/env bash
# The real program in a real X server, driven only through its keyboard: first start from an
# empty program folder (the language chooser, English picked with the arrow keys), the two-panel
# example wing typed and calculated, saved with File > Save as...; a second start opens the file
# and prints it into a PDF (no print queue here); a third start is given the file on its command
# line and prints the full-size template. Checks the saved bytes, the window captions and the
# PDFs' text. Usage: end_to_end_test.sh <tavelor executable> <language folder> <work folder>
set -euo pipefail
exe="$1" languages="$2" work="$3"
here="$(cd "$(dirname "$0")" && pwd)"
# shellcheck source=x_session.sh
source "$here/x_session.sh"

rm -rf "$work"
mkdir -p "$work"/program "$work"/home/Documents "$work"/wings "$work"/runtime
chmod 700 "$work/runtime"
cp "$exe" "$languages"/*.lng "$work/program/"
wing="$work/wings/example wing.txt"

# A home of its own (the PDF goes to its Documents folder) and no reachable print queue.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export CUPS_SERVER="$work/no-cupsd-here.sock"
unset XDG_CONFIG_HOME XDG_DOCUMENTS_DIR PRINTER LPDEST
export LC_ALL=C.UTF-8 LANG=C.UTF-8

app_pid=""
x_run_bounded "$work" 90

start_program() {
  (cd "$work/program" && exec ./tavelor "$@") >>"$work/tavelor.log" 2>&1 &
  app_pid=$!
}

# Answers the window $1 with the keys that follow.
answer() {
  local window="$1"
  shift
  x_focus "$window"
  xdotool key "$@"
}

# The one dialog (or message box) the program shows besides its main window.
next_dialog() {
  x_wait_other_window "$app_pid" 10 "$main" || fail "no dialog came up ($1)"
}

caption_is() {
  local shown
  shown=$(xdotool getwindowname "$main")
  [ "$shown" = "$1" ] || fail "caption '$shown', expected '$1'"
}

quit_program() {
  x_focus "$main"
  xdotool key alt+f
  sleep 0.3
  xdotool key q
  x_wait_exit "$app_pid" 10 || fail "File > Quit did not end the program"
  wait "$app_pid" || fail "the program ended with status $?"
  app_pid=""
}

x_session_start "$work"

# --- First start: no tv.ini, so the chooser comes first.
start_program
chooser=$(x_wait_window "$app_pid" '^Select your Language$' 15)
# The list is sorted without regard to case, and nothing is picked yet: English is as many steps
# down as its place in that list.
steps=$(cd "$work/program" && ls -- *.lng | sed 's/\.lng$//' | LC_ALL=C sort -f | grep -nx English | cut -d: -f1)
[ -n "$steps" ] || fail "no English.lng in $languages"
x_focus "$chooser"
for _ in $(seq "$steps"); do
  xdotool key Down
  sleep 0.15
done
xdotool key Return
main=$(x_wait_window "$app_pid" '^Tavelor$' 10)
[ "$(x_window_count "$app_pid")" -eq 1 ] || fail "a window besides the main window is open"
printf '[Langue]\r\n1=English\r\n' | cmp -s - "$work/program/tv.ini" || fail "tv.ini does not hold English"

# The focus starts in panel 1's root chord; Tab follows panel 1, the CG, then panels 2 to 5.
x_focus "$main"
for text in 250 200 400 0 30 100 300 50; do
  xdotool type --delay 20 "$text"
  xdotool key Tab
done
for _ in $(seq 9); do xdotool key Tab; done
xdotool type --delay 20 1500
xdotool key Return
sleep 0.5
[ "$(x_window_count "$app_pid")" -eq 1 ] || fail "the example wing did not calculate"

# --- File > Save as...: Qt's own file dialog, the file name field has the focus.
x_focus "$main"
xdotool key alt+f
sleep 0.3
xdotool key s
dialog=$(x_wait_window "$app_pid" '^Save the wing$' 10)
x_focus "$dialog"
xdotool type --delay 10 "$wing"
xdotool key Return
saved=$(next_dialog "save confirmation")
answer "$saved" Return
sleep 0.3
[ -f "$wing" ] || fail "no file at $wing"
# Exactly the 23 lines: the header, the five panels' texts (panel 2's root chord chained from
# panel 1's tip, panel 3's from panel 2's), the CG and the mass, each ending with CR LF.
printf '%s\r\n' "Z2O-Please don't Delete ...." 250 200 400 0 200 100 300 50 100 \
  "" "" "" "" "" "" "" "" "" "" "" 30 1500 >"$work/expected.txt"
cmp "$work/expected.txt" "$wing" || { od -c "$wing" | head -20 >&2; fail "saved bytes differ"; }
caption_is "Tavelor - Wing files : example wing.txt"
quit_program

# --- Second start: English is stored, the main window comes straight away.
start_program
main=$(x_wait_window "$app_pid" '^Tavelor$' 15)
x_focus "$main"
xdotool key alt+f
sleep 0.3
xdotool key o
dialog=$(x_wait_window "$app_pid" '^Open a wing file$' 10)
x_focus "$dialog"
xdotool type --delay 10 "$wing"
xdotool key Return
sleep 0.8
# The file loads and calculates without a message.
[ "$(x_window_count "$app_pid")" -eq 1 ] || fail "opening the file showed a message"
caption_is "Tavelor - Wing files : example wing.txt"

# File > (menu key $1): the question names the PDF fallback, then the name; the PDF $2 is written
# before the closing message is answered.
print_named() {
  x_focus "$main"
  xdotool key alt+f
  sleep 0.3
  xdotool key "$1"
  question=$(next_dialog "print question")
  answer "$question" Return
  prompt=$(x_wait_window "$app_pid" '^Print$' 10)
  x_focus "$prompt"
  xdotool key ctrl+a
  xdotool type --delay 10 "Example wing"
  xdotool key Return
  printed=$(next_dialog "closing message")
  [ -f "$2" ] || fail "no PDF at $2"
  answer "$printed" Return
  sleep 0.3
  [ "$(x_window_count "$app_pid")" -eq 1 ] || fail "a message is still open after printing"
}

# --- File > Print...
pdf="$work/home/Documents/Example wing.pdf"
print_named p "$pdf"
caption_is "Tavelor - Wing files : example wing.txt"
quit_program

# --- Third start, given the file: it opens as by File > Open; File > Print full-size template.
start_program "$wing"
main=$(x_wait_window "$app_pid" '^Tavelor - Wing files : example wing.txt$' 15)
template="$work/home/Documents/Example wing - template.pdf"
print_named t "$template"
quit_program
# The overview, then the tiles of a 700 mm half-wing on A4: at least three of them.
[ "$(pdfinfo "$template" | sed -n 's/^Pages: *//p')" -ge 4 ] || fail "the template has too few pages"
pdftotext "$template" - | grep -q "R1C1" || fail "the template's first tile has no label"

# The sheet: one page, the title and the results as the print routine words them.
[ "$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')" = 1 ] || fail "the PDF is not one page"
text=$(pdftotext -layout "$pdf" - | tr -s ' ')
for expected in "Wing: Example wing" "Span : 1 400.00 mm" "Wing area : 27.00 dm²" \
  "Aspect ratio : 7.26" "Mean chord : 202.47 mm" "MAC at : 306.17 mm" \
  "CG from root LE : 68.15 mm" "Mass : 1500 g" "Wing loading : 55.56 g/dm²" "Scale 1/5"; do
  grep -qF -- "$expected" <<<"$text" || { echo "$text" >&2; fail "the PDF lacks '$expected'"; }
done
echo "end to end: saved, reopened and printed; $pdf checked"
