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
# The two-panel example wing, as the window saves it, with a stabiliser from before its height
# and with one 40.5 mm below the wing; one cut short; one with a CG of 0; one
# without a mass; one named with an '&'.
printf '%s\r\n' "$header" 250 200 400 0 200 100 300 50 100 "" "" "" "" "" "" "" "" "" "" "" 30 1500 >"delta.txt"
{ cat delta.txt && printf '%s\r\n' "Z2O-Tail ...." 130 90 220 15 "" "" "" "" 620 0.9 10; } >tail.txt
{ cat tail.txt && printf '%s\r\n' -40,5; } >low.txt
printf '%s\r\n' "$header" 250 200 >short.txt
sed "\$s/1500/$(printf '9%.0s' $(seq 400))/" delta.txt >heavy.txt
printf '%s\r\n' "$header" 250 200 400 0 200 "" "" "" "" "" "" "" "" "" "" "" "" "" "" "" 0 "" >zero.txt
sed '$s/1500//' delta.txt >nomass.txt
cp delta.txt "A & B.txt"
# Ribs set up: every 100 mm, a spar cut into both sides, a five-point section at root and tip.
section=("Diamond" 5 "1 0" "0.5 0.06" "0 0" "0.5 -0.06" "1 0")
{ cat tail.txt && printf '%s\r\n' "Z2O-Ribs ...." 100 0 0 100 0 100 0 25 100 1000 1 "30 6 4 TB" \
  "${section[@]}" "${section[@]}"; } >ribbed.txt
# A chord beyond any wing.
sed "2s/^250/$(printf '9%.0s' $(seq 301))/" delta.txt >huge.txt
sed '12s/^/80/' delta.txt >gap3.txt  # panel 3 with a length but no tip chord
# A wing in tenths (its stored panel 2 root chord gives way to panel 1's tip chord, as the window
# reads it): written unrounded, its figures would carry noise in their last digits.
printf '%s\r\n' "$header" 250.3 120.45 400 0 200.15 90.1 300 0 "" "" "" "" "" "" "" "" "" "" "" "" \
  30 1500 >step.txt
# The outlines: one closed contour (root LE, out along the leading edge, back along the trailing
# edge), the joints, the mean chord from its LE to its TE, the centring cross; millimetres, y aft.
printf '%s\n' "OUTLINE 1 0 0 400 0 700 50 700 150 400 200 0 250" "JOINTS 0 400 0 400 200" \
  "MAC 0 306.17284 7.407407 306.17284 209.876543" "CG 0 301.17284 68.148148 311.17284 68.148148" \
  "CG 0 306.17284 63.148148 306.17284 73.148148" >delta.shapes
printf '%s\n' "OUTLINE 1 0 0 400 0 700 0 700 90.1 400 120.45 0 250.3" "JOINTS 0 400 0 400 120.45" \
  "MAC 0 286.018175 0 286.018175 166.982395" "CG 0 281.018175 50.094719 291.018175 50.094719" \
  "CG 0 286.018175 45.094719 286.018175 55.094719" >step.shapes
# The wing under other names: a link, a hard link, a name that is not UTF-8. A pipe and a link to it.
ln -s delta.txt self.dxf && cp delta.txt wing.svg && ln wing.svg hard.svg && cp delta.txt kept
odd=$'\xff\xfe' && cp delta.txt "$odd.txt"
replaced="<title>"$'\xef\xbf\xbd\xef\xbf\xbd'"</title>"
mkfifo pipe.dxf && ln -s pipe.dxf pipe.svg

failures=0
# check <exit code> <stderr pattern, empty for none> <output check command> -- <arguments>
# (standard output goes to $stdout if set)
check() {
  local code="$1" pattern="$2" verify="$3"
  shift 4
  "$work/program/tavelor" "$@" >"${stdout:-out}" 2>err
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
'wing_loading_g_dm2', 'wing_cube_loading_g_dm3')] == [1400, 27, 7.26, 202.47, 306.17, 7.41, 30, 68.15, 1500, \
55.56, 10.69] and \
r['aspect_ratio'] == 7.2592592592592595 and \
[list(p.values()) for p in r['panels']] == [[250, 200, 400, 0], [200, 100, 300, 50]]\"" -- --report delta.txt
# The wing's own stability figures come always; with a tail, its figures and the height follow
# (the figures themselves are pinned by the stability tests; here, that each has its own key).
wing_keys="'wing_aerodynamic_centre_percent', 'lift_slope_per_rad'"
tail_keys="'tail_volume', 'neutral_point_percent', 'neutral_point_mm', 'cg_for_margin_percent', \
'cg_for_margin_mm', 'static_margin_percent', 'stabiliser_height_mm'"
check 0 "" "json \"r['mass_g'] is None and r['wing_loading_g_dm2'] is None and \
list(r)[-2:] == [$wing_keys] and all(type(r[k]) in (int, float) for k in [$wing_keys])\"" -- --report nomass.txt
check 0 "" "json \"list(r)[-9:] == [$wing_keys, $tail_keys] and [round(r[k], 2) for k in [$tail_keys]] \
== [0.53, 42.41, 93.28, 32.41, 73.03, 12.41, 0]\"" -- --report tail.txt
check 0 "" "json \"r['stabiliser_height_mm'] == -40.5\"" -- -style fusion --reverse --report low.txt
# Both outlines hold the same shapes, read back by readers sharing nothing with our writers;
# the DXF's extents and view on the wing, the SVG's layers with hairlines to cut.
outline() {
  "$python" "$here/read_outline.py" "$1" >read && [ "$(head -1 read)" = "$2" ] &&
    tail -n +2 read | cmp -s - "$3"
}
check 0 "" "outline Delta.DXF 'AC1015 4 1 0 0 True 7 3 1 5 0 -250 700 0 350 -125 532.5' \
delta.shapes" -- --export Delta.DXF delta.txt
check 0 "" "outline step.dxf 'AC1015 4 1 0 0 True 7 3 1 5 0 -250.3 700 0 350 -125.15 532.5' \
step.shapes" -- --export step.dxf step.txt
check 0 "" "outline 'A & B.svg' '710mm 260mm -5 -5 710 260 OUTLINE:0.025 JOINTS:0.025 MAC:0.25 \
CG:0.25 A & B' delta.shapes" -- --export "A & B.svg" "$work/wings/A & B.txt"
# In inches: the header says so and the half span (700 mm) is in inches; the SVG's page too.
check 0 "" "outline in.dxf 'x' /dev/null; read -r v u m e f _ _ _ _ _ _ _ x _ <read && \
[ \"\$v \$u \$m \$e \$f\" = 'AC1015 1 0 0 0' ] && \"\$python\" -c \"assert abs(\$x - 700 / 25.4) < 1e-6\"" \
  -- --export in.dxf --units in delta.txt
check 0 "" "grep -q 'width=\"27.95275590551181in\"' in.svg" -- --export in.svg --units in delta.txt
# The default ribs of a wing without a rib record: 8 in panel 1, 5 in panel 2, nested on one
# sheet of 100 x 1000 mm.
ribs() { "$python" "$here/read_outline.py" "$1" ribs >read && [ "$(cat read)" = "$2" ]; }
check 0 "" "ribs ribs.dxf '13 0 1 R1 R2 R3 R4 R5 R6 R7 R8 R9 R10 R11 R12 R13 1 1 1 1'" \
  -- --export-ribs ribs.dxf delta.txt
check 0 "" "grep -c '<path d=.*Z\"' ribs.svg | grep -qx 14" -- --export-ribs ribs.svg delta.txt
check 0 "" "json \"[r[k] for k in ('rib_count', 'rib_1_station_mm', 'rib_4_station_mm', \
'rib_5_station_mm', 'rib_5_chord_mm', 'rib_8_chord_mm')] == [8, 0, 300, 400, 200, 100]\"" \
  -- --report ribbed.txt
check 0 "" "ribs ribbed.dxf '8 0 1 R1 R2 R3 R4 R5 R6 R7 R8 1 1 1 1'" -- --export-ribs ribbed.dxf ribbed.txt
# Its outline marks each rib across the planform (station:LE:TE) on RIBS, named on LABEL.
riblines() { "$python" -c "import ezdxf; s = ezdxf.readfile('$1').modelspace(); print(*(f'{e.dxf.\
start.x:g}:{0 - e.dxf.start.y:g}:{-e.dxf.end.y:g}' for e in s.query('*[layer==\"RIBS\"]')), *(e.dxf.\
text for e in s.query('TEXT[layer==\"LABEL\"]')))" >read && [ "$(cat read)" = "$2" ]; }
check 0 "" "riblines lines.dxf '0:0:250 100:0:237.5 200:0:225 300:0:212.5 400:0:200 \
500:16.6667:183.333 600:33.3333:166.667 700:50:150 R1 R2 R3 R4 R5 R6 R7 R8'" -- --export lines.dxf ribbed.txt
sed 's/30 6 4 TB/30 6 6 TB/' ribbed.txt >severed.txt  # the tip rib's notches meet
check 1 "^tavelor: severed.txt: rib R8 leaves nothing to cut: .* cut it in two$" "[ ! -e cut.dxf ]" \
  -- --export-ribs cut.dxf severed.txt
head -c -3 ribbed.txt >torn.txt
check 1 "^tavelor: torn.txt: the rib record is damaged$" "true" -- --export-ribs torn.dxf torn.txt
check 1 "^tavelor: d.png: the ribs are .*\.dxf or \*\.svg$" "true" -- --export-ribs d.png delta.txt
check 1 "^tavelor: huge.txt: Please check the panels" "[ ! -e huge.dxf ]" -- --export huge.dxf huge.txt
check 1 "^tavelor: gap3.txt: Panel 3: the tip chord is missing\.$" "true" -- --report gap3.txt
check 1 "^tavelor: short.txt: Error # 62 in Tavelor Input past end of file$" "true" -- --report short.txt
check 1 "^tavelor: heavy.txt: The mass cannot be used" "true" -- --report heavy.txt
check 1 "^tavelor: zero.txt: The CG position must be" "[ ! -e zero.dxf ]" -- --export zero.dxf zero.txt
check 1 "^tavelor: cannot write none/d.dxf: No such file or directory$" "true" -- --export none/d.dxf delta.txt
check 1 "^tavelor: d.png: .*\.dxf or \*\.svg$" "[ ! -e d.png ]" -- --export d.png delta.txt
check 0 "" "[ -s \"\$odd.dxf\" ]" -- --export "$odd.dxf" "$odd.txt"
# A name that is not UTF-8 is titled with replacement characters: the SVG stays well-formed XML.
check 0 "" "grep -qF \"\$replaced\" \"\$odd.svg\"" -- --export "$odd.svg" "$odd.txt"
# The wing file itself, however named, and anything but a regular file are never written.
unchanged() { cmp -s kept "$1"; }
check 1 "^tavelor: cannot write self.dxf: it is the wing file itself$" "unchanged delta.txt" \
  -- --export self.dxf delta.txt
check 1 "^tavelor: cannot write ./hard.svg: it is the wing file itself$" "unchanged wing.svg" \
  -- --export ./hard.svg wing.svg
for node in pipe.dxf pipe.svg; do
  check 1 "^tavelor: cannot write $node: Not a regular file$" "[ -p pipe.dxf ]" \
    -- --export $node delta.txt
done
check 1 "^tavelor: cannot read a\\\\nb\\\\x01.txt: No such file or directory$" "true" \
  -- --report $'a\nb\x01.txt'
stdout=/dev/full check 1 "^tavelor: cannot write the standard output: No space left on device$" \
  "true" -- --report delta.txt
# Only the window needs a display; an unknown option is refused before it is looked for.
check 1 "^tavelor: Unknown option 'frob'\.$" "true" -- --frob
check 1 "^tavelor: give at most one wing file$" "true" -- --report delta.txt tail.txt
check 1 "^tavelor: give one of --export OUTPUT, --export-ribs OUTPUT or --report$" "[ ! -e m.dxf ]" \
  -- --report --export m.dxf delta.txt
check 1 "^tavelor: no wing file given$" "true" -- --export-ribs m.dxf
check 1 "^tavelor: --units is mm or in$" "[ ! -e m.dxf ]" -- --export m.dxf --units cm delta.txt
check 1 "^tavelor: no display can be reached \(--report and --export need none\)$" "true" \
  -- delta.txt
check 0 "" "grep -q -- '--export <OUTPUT>' out" -- --help
check 0 "" "grep -qx 'tavelor [0-9]*\.[0-9]*\.[0-9]*' out" -- --version
[ "$failures" -eq 0 ] && echo "command line: every case passed"
exit $((failures > 0))
