#!/usr/bin/env bash
# The real program prints the example wing on a real CUPS queue: a private cupsd (its own
# configuration, spool and socket, so a system cupsd is left alone) with a cups-pdf queue as the
# default. The PDF the queue writes must be one A4 page with the outline at true scale. Exits
# 77 (skipped) only where cupsd cannot run here.
# Usage: cups_print_test.sh <tavelor executable> <language folder> <work folder> <python3>
set -euo pipefail
exe="$1" languages="$2" work="$3" python="$4" queue=tavelor-test
# shellcheck source=x_session.sh
source "$(dirname "$0")/x_session.sh"
skip() { echo "SKIPPED: $*" >&2 && exit 77; }
[ "$(id -u)" -eq 0 ] || skip "cupsd and the cups-pdf backend need root"
for need in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/bin/pdftocairo \
  /usr/lib/cups/backend/cups-pdf /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
  [ -e "$need" ] || fail "$need is missing (scripts/setup installs cups, printer-driver-cups-pdf)"
done
rm -rf "$work"
mkdir -p "$work/program"
cp "$exe" "$languages"/*.lng "$work/program/"
printf '[Langue]\r\n1=English\r\n' >"$work/program/tv.ini"
printf '%s\r\n' "Z2O-Please don't Delete ...." 250 200 400 0 200 100 300 50 100 \
  "" "" "" "" "" "" "" "" "" "" "" 30 1500 >"$work/wing.txt"

# The spool in /tmp (a short socket path), open to the filters, which run as the lp user.
base=$(mktemp -d /tmp/tavelor-cups.XXXXXX)
chmod 755 "$base"
mkdir -p "$base"/etc "$base"/spool/tmp "$base"/cache "$base"/state "$base"/log
sheet="Tavelor-check-$$-$RANDOM"
# cups-pdf writes into its Out folder, ${HOME} being the printing user's home.
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$(getent passwd "$(id -un)" | cut -d: -f6)}
cupsd_pid=""
cups_end() {
  set +e
  [ "$1" -eq 0 ] || [ "$1" -eq 77 ] || tail -30 "$base/log/cupsd.out" >&2
  x_end $cupsd_pid
  rm -rf "$base" "$out"/*"$sheet"*.pdf
}
trap 'cups_end $?' EXIT

printf '%s\n' "SystemGroup root" "ServerRoot $base/etc" "RequestRoot $base/spool" \
  "TempDir $base/spool/tmp" "CacheDir $base/cache" "StateDir $base/state" "AccessLog stderr" \
  "ErrorLog stderr" "PageLog stderr" "Printcap $base/printcap" >"$base/etc/cups-files.conf"
printf '%s\n' "LogLevel info" "Listen $base/cups.sock" "Browsing No" "WebInterface No" \
  "<Location />" "Order allow,deny" "Allow localhost" "</Location>" >"$base/etc/cupsd.conf"

export CUPS_SERVER="$base/cups.sock"
timeout 170 cupsd -f -c "$base/etc/cupsd.conf" -s "$base/etc/cups-files.conf" \
  >"$base/log/cupsd.out" 2>&1 &
cupsd_pid=$!
cupsd_up() {
  kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd could not start here: $(tail -5 "$base/log/cupsd.out")"
  timeout 5 lpstat -r >/dev/null 2>&1
}
x_poll 10 cupsd_up || skip "cupsd does not answer here"
# A scheduler only just up may refuse a new queue: try a few times. pdftocairo, not the default
# renderer, keeps the words text through the queue's PostScript.
queue_up() {
  timeout 30 lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo >"$base/log/lpadmin.out" 2>&1 || true
  timeout 5 lpstat -p "$queue" >/dev/null 2>&1
}
x_poll 10 queue_up && timeout 10 lpadmin -d "$queue" ||
  fail "no queue $queue: $(grep -v deprecated "$base/log/lpadmin.out")"

# The program, given the wing, prints it on the default queue; the job ends with its PDF written.
x_session_start "$work" 150
trap 'status=$?; cups_end $status; x_session_end $status' EXIT
export CUPS_SERVER="$base/cups.sock"
x_start "$work/program/tavelor" "$work/wing.txt"
main=$(x_wait_window '^Tavelor - Wing files : wing.txt$' 15)
x_print "$sheet"
x_quit
printed() { [ -z "$(timeout 5 lpstat -o "$queue")" ] && ls "$out"/*"$sheet"*.pdf 2>/dev/null; }
pdf=$(x_poll 60 printed) || fail "no PDF from the queue in $out"
cp "$pdf" "$work/sheet.pdf"

# One A4 page, either way round (a queue may turn a landscape sheet), the outline at 1/5.
pdf_reads sheet "$work/sheet.pdf" "1 210 297 outline 50.0 140.0"
echo "CUPS print: the queue wrote one A4 page with the outline at true scale"
