#!/usr/bin/env bash
# The real program on a real X server: started with English stored, the rectangular example
# typed with the keyboard, Enter pressed; the screenshot must show the plan with its red and blue
# marks. Usage: real_window_check.sh <tavelor executable> <language folder> <work folder>
set -euo pipefail
exe="$1" languages="$2" work="$3"
rm -rf "$work" && mkdir -p "$work"
cp "$exe" "$languages"/*.lng "$work"/
printf '[Langue]\r\n1=English\r\n' >"$work/tv.ini"

cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
cd "$(dirname "$0")"
./tavelor &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)
xdotool windowfocus --sync "$window"
sleep 0.5
# Root chord, tip chord, length, sweep of panel 1, then the centring; Tab follows that order.
for text in 200 200 500 0 30; do
  xdotool type --delay 30 "$text"
  xdotool key Tab
done
# Panels 2 to 5 (three fields each) lead to the mass.
for _ in $(seq 12); do xdotool key Tab; done
xdotool type --delay 30 1000
xdotool key Return
sleep 1
import -window root screen.png
xdotool getwindowgeometry "$window" | awk '/Geometry/ {print $2}' >geometry.txt
SESSION
chmod +x "$work/session.sh"
xvfb-run -a -s "-screen 0 1280x1024x24" "$work/session.sh"

geometry=$(cat "$work/geometry.txt")
convert "$work/screen.png" -crop "${geometry}+0+0" +repage "$work/main-window.png"
height=${geometry#*x}
# The plan strip is the bottom third of the window: count its pure red and blue pixels.
count() {
  convert "$work/main-window.png" -crop "x$((height / 3))+0+$((height * 2 / 3))" +repage \
    -fill black +opaque "$1" -fill white -opaque "$1" -format '%[fx:int(mean*w*h)]' info:
}
red=$(count '#FF0000')
blue=$(count '#0000FF')
echo "plan strip: $red red and $blue blue pixels; screenshot $work/main-window.png"
[ "$red" -gt 50 ] && [ "$blue" -gt 10 ]
