#!/usr/bin/env bash
# The real program on a real X server, driven only through its keyboard: the first start picks
# English in the language chooser, types, calculates (red and blue plan marks), enlarges the
# window (the plan grows) and saves the example wing; the second opens it, takes the stability
# window's CG, saves it with Ctrl+S, exports and prints its ribs from the ribs window, edits the
# mass (stale figures), prints to PDF with no queue, is refused a panel 3 without its tip chord
# and asks before quitting unsaved; the third is given the file, prints the template, opens About
# and Help and tries the chooser. The PDFs are read back with poppler, the rib file with ezdxf.
# Usage: end_to_end_test.sh <tavelor executable> <language folder> <work folder> <python3>
set -euo pipefail
exe="$1" languages="$2" work="$3" python="$4"
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"
rm -rf "$work"
mkdir -p "$work/program"
cp "$exe" "$languages"/*.lng "$work/program/"
wing="$work/example wing.txt"
x_session_start "$work" 100

# Pure red and blue pixels gained by calculating: the mean chord's station and the centring point.
screenshot() { timeout 10 import -window "$main" "$work/$1.png" || fail "no screenshot of $main"; }
pixels() {
  convert "$work/$1.png" -fill black +opaque "$2" -fill white -opaque "$2" \
    -format '%[fx:int(mean*w*h)]' info:
}
plan_grey() {
  screenshot stale
  [ $(($(pixels stale '#FF0000') - $(pixels typed '#FF0000'))) -lt 10 ] &&
    [ $(($(pixels stale '#0000FF') - $(pixels typed '#0000FF'))) -lt 10 ]
}
# shellcheck disable=SC2046 # one Tab a word
tabs() { xdotool key --delay 20 $(printf "Tab %.0s" $(seq "$1")); }
plan_drawn() {
  screenshot calculated
  [ $(($(pixels calculated '#FF0000') - $(pixels typed '#FF0000'))) -gt 50 ] &&
    [ $(($(pixels calculated '#0000FF') - $(pixels typed '#0000FF'))) -gt 10 ]
}

# --- First start: the chooser, sorted without regard to case, nothing picked yet.
x_start "$work/program/tavelor"
chooser=$(x_wait_window '^Select your Language$' 15)
steps=$(cd "$languages" && ls -- *.lng | sed 's/\.lng$//' | LC_ALL=C sort -f | grep -nx English | cut -d: -f1)
x_focus "$chooser"
# shellcheck disable=SC2046 # one Down a word
xdotool key --delay 150 $(printf "Down %.0s" $(seq "$steps")) Return
main=$(x_wait_window '^Tavelor$')
x_only_main || fail "a window besides the main window is open"
printf '[Langue]\r\n1=English\r\n' | cmp -s - "$work/program/tv.ini" || fail "tv.ini does not hold English"

# The focus starts in panel 1's root chord; Tab follows panel 1, the CG, panels 2 to 5, the mass.
# The fields keep digits and the decimal mark, and '-' in a sweep only; Backspace takes the 9 off.
x_focus "$main"
for text in "2a5 0" -200 +400 -0 30 100 300 50; do
  xdotool type --delay 20 -- "${text}9"
  xdotool key BackSpace Tab
done
xdotool key --delay 20 Tab Tab Tab Tab Tab Tab Tab Tab Tab
# The mass is pasted through the field's own context menu, from a clipboard that xclip holds
# until the X server goes; Ctrl+V is held back (the saved mass would read 15001500).
printf 1500 | xclip -selection clipboard
x_poll 5 test "$(timeout 2 xclip -o -selection clipboard)" = 1500 || fail "xclip holds no text"
xdotool key ctrl+v Menu
x_wait_window "" >/dev/null
sleep 0.1
xdotool key p
x_poll 5 x_only_main || fail "the context menu stays open"
screenshot typed
xdotool key Return
x_poll 5 plan_drawn || fail "the plan shows no red and blue marks (see $work/calculated.png)"
# Larger, the window gives the plan strip its room and the drawing grows to fill it: the mean
# chord's red line over the plan's height runs at least half as long again.
red=$(pixels calculated '#FF0000')
xdotool windowsize "$main" 1000 900
grown() { screenshot grown && [ "$(pixels grown '#FF0000')" -gt $((red * 3 / 2)) ]; }
x_poll 5 grown || fail "the plan's drawing did not grow with the window (see $work/grown.png)"

x_menu f s
x_answer '^Save the wing$' ctrl+a "type:$wing" Return
# Exactly the 23 lines: the header, the five panels' texts (panel 2's root chord chained from
# panel 1's tip, panel 3's from panel 2's), the CG and the mass, each ending with CR LF.
printf '%s\r\n' "Z2O-Please don't Delete ...." 250 200 400 -0 200 100 300 50 100 \
  "" "" "" "" "" "" "" "" "" "" "" 30 1500 >"$work/expected.txt"
x_poll 5 cmp -s "$work/expected.txt" "$wing" || { od -c "$wing" | head -20 >&2; fail "saved bytes differ"; }
x_quit

# --- Second start: English is stored; the file opens and calculates without a message.
x_start "$work/program/tavelor"
main=$(x_wait_window '^Tavelor$' 15)
x_menu f o
x_answer '^Open a wing file$' ctrl+a "type:$wing" Return
sleep 0.5
x_only_main || fail "opening the file showed a message"
# Tools > Stability: the example stabiliser 40 mm below the wing; Calculate draws the wing's load
# and local lift; "Use this CG" sets 33.62 % (75.48 mm on the sheet).
x_menu t s
stability=$(x_wait_window '^Stability: tail and neutral point$')
x_focus "$stability"
for text in 1a3-0 90 220 15 "" "" "" "" 620 -4a0; do  # letters, and '-' but in the height, refused
  xdotool type --delay 20 -- "$text"
  xdotool key Tab
done
xdotool key Return
lift_drawn() {
  timeout 10 import -window "$stability" "$work/stability.png" &&
    [ "$(pixels stability '#C80000')" -gt 50 ] && [ "$(pixels stability '#E67800')" -gt 50 ]
}
x_poll 5 lift_drawn || fail "the stability window shows no lift picture (see $work/stability.png)"
xdotool key --delay 400 alt+u Escape
x_poll 5 x_only_main || fail "the stability window stays open"
# Ctrl+S writes the CG taken to the opened file, with no dialog and no box.
x_focus "$main"
xdotool key ctrl+s
x_poll 5 grep -q 33.62 "$wing" || fail "Ctrl+S did not write the opened file"
x_only_main || fail "Ctrl+S opened a window"
# Tools > Ribs and airfoils: NACA 2412 typed at the root, Export ribs... writes the 13 ribs nested
# on one stock sheet, each a closed contour on CUT; Escape at the end leaves the wing's ribs as
# they were.
x_menu t r
ribs=$(x_wait_window '^Ribs and airfoils$')
x_focus "$ribs"
xdotool key ctrl+a
xdotool type --delay 20 "NACA 2412"
xdotool key Tab Tab Tab Tab ctrl+a  # the spacing: a letter never reaches it
xdotool type --delay 20 "6x0"
xdotool key alt+e
x_answer '^Export ribs$' ctrl+a "type:$work/example ribs.dxf" Return
x_poll 5 test -s "$work/example ribs.dxf" || fail "Export ribs wrote no file"
read=$("$python" "$(dirname "$0")/read_outline.py" "$work/example ribs.dxf" ribs)
[ "$read" = "13 0 1 $(printf 'R%d ' $(seq 13))1 1 1 1" ] || fail "the rib file reads '$read'"
# Print ribs...: the sheet (1010 x 110 mm with its border) at 1:1 over an overview and six A4
# pages in a row, each labelled with its place, the ribs' names on them.
x_focus "$ribs"
xdotool key alt+p
x_answer '^Print$' ctrl+a "type:Example wing" Return
x_answer '^Tavelor$' Return
ribs_printed() { pdfinfo "$work/Example wing - ribs.pdf" >/dev/null 2>&1; }
x_poll 10 ribs_printed || fail "Print ribs wrote no PDF"
text=$(pdftotext -layout "$work/Example wing - ribs.pdf" - | tr -s ' ')
for expected in "1:1 R1C1 2 / 7" "1:1 R1C6 7 / 7" R1 R13; do
  grep -qF -- "$expected" <<<"$text" || fail "the rib pages lack '$expected'"
done
x_focus "$ribs"
xdotool key Escape
x_poll 5 x_only_main || fail "the ribs window stays open"
# The mass edited after Calculate greys the figures and the plan; Print calculates first.
x_focus "$main"
tabs 17
xdotool type --delay 20 2700
x_poll 5 plan_grey || fail "the edited wing's plan is not greyed (see $work/stale.png)"
# Tools > Units > Imperial: the sheet's figures in inches and ounces (the file stays metric).
x_menu t u
xdotool key i
x_print "Example wing"
x_poll 5 plan_drawn || fail "Print did not calculate the edited wing (see $work/calculated.png)"
# A length in panel 3 without its tip chord: after the message (its text: the command line test)
# the focus is in that tip chord, where a chord and Enter draw the plan again.
x_focus "$main"
tabs 9
xdotool type --delay 20 80
xdotool key Return
x_answer "" Return
x_focus "$main"
xdotool type --delay 20 60
xdotool key Return
x_poll 5 plan_drawn || fail "Enter did not draw the plan again (see $work/calculated.png)"
# Changed since opened: Escape in the question keeps the program, so Quit asks again; No ends it.
x_focus "$main"
xdotool type --delay 20 9
x_menu f q
x_answer "" Escape
x_quit n

# --- Third start, given the file under a name that is not UTF-8 (the caption names it): File >
# Print full-size template.
cp "$wing" "$work/example wing"$'\xff'.txt
x_start "$work/program/tavelor" "$work/example wing"$'\xff'.txt
main=$(x_wait_window '^Tavelor - Wing files : example wing.+\.txt$' 15)
template="$work/Example wing - template.pdf"  # beside the wing file last opened
x_print "Example wing" t
# Help > About and Help close with Escape.
x_menu h a
x_answer '^About Tavelor$' Escape
x_menu h h
x_answer '^Help$' Escape
# With nothing stored the chooser's box shows the current language. Only a language picked from
# its list whose file is still there is a choice: typed, picked then edited, picked then Escape,
# picked with its file gone, nothing is stored; picked, French is stored.
chooser() {
  x_focus "$main"
  xdotool key alt+l
  x_answer '^(Choose your language|Choisissez votre langue)$' "$@"
}
: >"$work/program/tv.ini"
german_gone() { rm "$work/program/Deutsch.lng"; }
for keys in "ctrl+a ctrl+c Escape" "type:Dutch Return" "Down ctrl+a type:Dutch Return" \
  "Down Escape" "Up run:german_gone Return"; do
  # shellcheck disable=SC2086 # a word a key
  chooser $keys
  [ ! -s "$work/program/tv.ini" ] || fail "the chooser stored a language after: $keys"
done
[ "$(timeout 2 xclip -o -selection clipboard)" = English ] || fail "the chooser's box did not show English"
chooser Down Return
printf '[Langue]\r\n1=Fran\xe7ais\r\n' | cmp -s - "$work/program/tv.ini" || fail "tv.ini does not hold French"
x_quit
# On paper, read back by poppler: the sheet one A4 page with the outline at 1/5 (140 x 50 mm);
# the template the overview, then the A4 tiles holding the wing (a 250 mm root chord over a 700 mm
# half span, the LE swept 50 mm), each with its 100 mm and 4 in bars: laid together, the wing at 1:1.
pdf_reads sheet "$work/Example wing.pdf" "1 210 297 outline 50.0 140.0"
pdf_reads template "$template" \
  "5 210 297 R1C1 R1C2 R1C3 R1C4 bars$(printf ' 100.0 101.6%.0s' 1 2 3 4) outline 700.0 250.0 root 250.0"
# The sheet: the name typed, the wing's figures in inches and ounces (1400 mm, 202.47 mm,
# 75.48 mm, 2700 g, 100 g/dm²), the CG the stability window gave.
text=$(pdftotext -layout "$work/Example wing.pdf" - | tr -s ' ')
for expected in "Wing: Example wing" "Span : 55.12 in" "Mean chord : 7.97 in" \
  "CG from root LE : 2.97 in" "CG at 33.62" "95.2397 oz" "Wing loading : 32.77 oz/ft²" \
  "Scale 1/5"; do
  grep -qF -- "$expected" <<<"$text" || { echo "$text" >&2; fail "the PDF lacks '$expected'"; }
done
echo "end to end: chosen, calculated, drawn, saved, reopened and printed"
