#!/usr/bin/env bash
# The program's modes without a window, run as a user would from a shell with no display: each
# case gives the exit code, what standard error says, and what the output holds.
# Usage: command_line_test.sh <tavelor executable> <language folder> <work folder> <python3>
set -uo pipefail
exe="$1" languages="$2" work="$3" python="$4"
here="$(cd "$(dirname "$0")" && pwd)"
rm -rf "$work" && mkdir -p "$work/program" "$work/wings"
cp "$exe" "$languages"/*.lng "$work/program/"
cd "$work/wings" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export LC_ALL=C.UTF-8
header="Z2O-Please don't Delete ...."
# The two-panel example wing, as the window saves it; one cut short; one with a CG of 0; one
# without a mass; one named with an '&'.
printf '%s\r\n' "$header" 250 200 400 0 200 100 300 50 100 "" "" "" "" "" "" "" "" "" "" "" 30 1500 >"delta.txt"
{ cat delta.txt && printf '%s\r\n' "Z2O-Tail ...." 130 90 220 15 "" "" "" "" 620 0.9 10; } >tail.txt
printf '%s\r\n' "$header" 250 200 >short.txt
sed "\$s/1500/$(printf '9%.0s' $(seq 400))/" delta.txt >heavy.txt
printf '%s\r\n' "$header" 250 200 400 0 200 "" "" "" "" "" "" "" "" "" "" "" "" "" "" "" 0 "" >zero.txt
sed '$s/1500//' delta.txt >nomass.txt
cp delta.txt "A & B.txt"
# Panel 2 stored with a root chord other than panel 1's tip chord; a chord beyond any wing.
sed '6s/^200/150/' delta.txt >stepped.txt
sed "2s/^250/$(printf '9%.0s' $(seq 301))/" delta.txt >huge.txt
# The outline: each panel's corners (root LE, tip LE, tip TE, root TE), the mean chord from its
# LE to its TE, the centring cross; millimetres, y aft.
printf '%s\n' "OUTLINE 1 0.000 0.000 400.000 0.000 400.000 200.000 0.000 250.000" \
  "OUTLINE 1 400.000 0.000 700.000 50.000 700.000 150.000 400.000 200.000" \
  "MAC 0 306.173 7.407 306.173 209.877" "CG 0 301.173 68.148 311.173 68.148" \
  "CG 0 306.173 63.148 306.173 73.148" >shapes

failures=0
# check <exit code> <stderr pattern, empty for none> <output check command> -- <arguments>
check() {
  local code="$1" pattern="$2" verify="$3"
  shift 4
  "$work/program/tavelor" "$@" >out 2>err
  local got=$?
  if [ "$got" != "$code" ] || [ "$(wc -l <err)" -ne $((code == 0 ? 0 : 1)) ] ||
    ! grep -qE "${pattern:-^$}" <(cat err; echo) || ! (eval "$verify"); then
    echo "FAIL: tavelor $* -> exit $got, stderr: $(cat err)" >&2
    failures=$((failures + 1))
  fi
}
json() { "$python" -c "import json,sys; r=json.load(open('out')); sys.exit(not ($1))"; }

# Every digit of a figure; nothing made up for a mass not given.
check 0 "" "json \"[round(r[k], 2) for k in ('span_mm', 'area_dm2', 'aspect_ratio', 'mac_mm', \
'mac_station_mm', 'mac_leading_edge_mm', 'centring_percent', 'centring_mm', 'mass_g', \
'wing_loading_g_dm2')] == [1400, 27, 7.26, 202.47, 306.17, 7.41, 30, 68.15, 1500, 55.56] and \
r['aspect_ratio'] == 7.2592592592592595 and \
[list(p.values()) for p in r['panels']] == [[250, 200, 400, 0], [200, 100, 300, 50]]\"" -- --report delta.txt
check 0 "" "json \"r['mass_g'] is None and r['wing_loading_g_dm2'] is None\"" -- --report nomass.txt
check 0 "" "json \"[round(r[k], 2) for k in ('tail_volume', 'neutral_point_percent', 'neutral_point_mm', \
'cg_for_margin_percent', 'cg_for_margin_mm', 'static_margin_percent')] == [0.53, 47.97, 104.53, 37.97, \
84.28, 17.97]\"" -- --report tail.txt
# Both outlines hold the same shapes, read back by readers sharing nothing with our writers.
outline() {
  "$python" "$here/read_outline.py" "$1" >read && [ "$(head -1 read)" = "$2" ] &&
    tail -n +2 read | cmp -s - shapes
}
check 0 "" "outline Delta.DXF 'AC1015 4 1 0 0 True 7 1 5'" -- --export Delta.DXF delta.txt
check 0 "" "outline 'A & B.svg' '710mm 260mm -5 -5 710 260 0.25 A & B'" \
  -- --export "A & B.svg" "$work/wings/A & B.txt"
# Read as the window reads it: panel 2's root chord is panel 1's tip chord.
check 0 "" "json \"round(r['area_dm2'], 2) == 27\"" -- --report stepped.txt
check 1 "^tavelor: huge.txt: Please check the panels" "[ ! -e huge.dxf ]" -- --export huge.dxf huge.txt
check 1 "^tavelor: cannot read nowhere.txt: No such file or directory$" "true" -- --report nowhere.txt
check 1 "^tavelor: short.txt: Error # 62 in Tavelor Input past end of file$" "true" -- --report short.txt
check 1 "^tavelor: heavy.txt: The mass cannot be used" "true" -- --report heavy.txt
check 1 "^tavelor: zero.txt: The CG position must be" "[ ! -e zero.dxf ]" -- --export zero.dxf zero.txt
check 1 "^tavelor: cannot write none/d.dxf: No such file or directory$" "true" -- --export none/d.dxf delta.txt
check 1 "^tavelor: d.png: .*\.dxf or \*\.svg$" "[ ! -e d.png ]" -- --export d.png delta.txt
check 0 "" "grep -q -- '--export <OUTPUT>' out" -- --help
check 0 "" "grep -qx 'tavelor [0-9]*\.[0-9]*\.[0-9]*' out" -- --version
[ "$failures" -eq 0 ] && echo "command line: every case passed"
exit $((failures > 0))
