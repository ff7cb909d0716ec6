#!/usr/bin/env bash
# Prints the example wing on a real CUPS queue: a private cupsd (its own configuration, spool and
# socket in a temporary folder, so a system cupsd is left alone) with a cups-pdf queue as the
# default, and the print check (cups_print_check.cpp) reading back what the queue wrote. Exits
# 77 (skipped) only where cupsd cannot run here.
# Usage: cups_print_test.sh <system_cups_print_check executable>
set -euo pipefail
check="$1" queue=tavelor-test
skip() {
  echo "SKIPPED: $*" >&2
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || skip "cupsd and the cups-pdf backend need root"
for need in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/lpstat /usr/bin/pdftocairo \
  /usr/lib/cups/backend/cups-pdf /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd; do
  [ -e "$need" ] || fail "$need is missing (scripts/setup installs cups, printer-driver-cups-pdf)"
done

# The filters run as the lp user: they must reach the spool inside.
base=$(mktemp -d /tmp/tavelor-cups.XXXXXX)
chmod 755 "$base"
mkdir -p "$base"/etc "$base"/spool/tmp "$base"/cache "$base"/state "$base"/log "$base"/home
sheet="Tavelor-check-$$-$RANDOM"
# cups-pdf writes into its Out folder, ${HOME} being the home of the user who printed.
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$(getent passwd "$(id -un)" | cut -d: -f6)}
export CUPS_SERVER="$base/cups.sock" QT_QPA_PLATFORM=offscreen
unset PRINTER LPDEST

cupsd_pid=""
cleanup() {
  local status=$?
  set +e
  [ "$status" -eq 0 ] || [ "$status" -eq 77 ] || tail -30 "$base/log/error_log" >&2
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid"
    timeout 5 tail --pid="$cupsd_pid" -s 0.1 -f /dev/null || kill -9 "$cupsd_pid"
    wait "$cupsd_pid"
  fi 2>/dev/null
  rm -rf "$base" "$out"/*"$sheet"*.pdf
  exit "$status"
}
trap cleanup EXIT

cat >"$base/etc/cups-files.conf" <<EOF
SystemGroup root
ServerRoot $base/etc
RequestRoot $base/spool
TempDir $base/spool/tmp
CacheDir $base/cache
StateDir $base/state
AccessLog $base/log/access_log
ErrorLog $base/log/error_log
PageLog $base/log/page_log
Printcap $base/printcap
EOF
cat >"$base/etc/cupsd.conf" <<EOF
LogLevel info
Listen $base/cups.sock
Browsing No
WebInterface No
<Location />
  Order allow,deny
  Allow localhost
</Location>
EOF

# Bounded like everything else: cupsd ends by itself if this script is killed outright.
timeout 150 cupsd -f -c "$base/etc/cupsd.conf" -s "$base/etc/cups-files.conf" \
  >"$base/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 100); do
  timeout 5 lpstat -r >/dev/null 2>&1 && break
  kill -0 "$cupsd_pid" 2>/dev/null || skip "cupsd could not start here: $(tail -5 "$base/log/cupsd.out")"
  sleep 0.1
done
timeout 5 lpstat -r >/dev/null 2>&1 || skip "cupsd does not answer here"

# A scheduler that has only just come up may still refuse a new queue: try a few times. -E
# enables the queue. The queue turns the job into PostScript for cups-pdf, which Ghostscript
# makes a PDF again; rendered by pdftocairo (not the default) the words stay readable text.
for _ in $(seq 10); do
  timeout 30 lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo >"$base/log/lpadmin.out" 2>&1 || true
  timeout 5 lpstat -p "$queue" >/dev/null 2>&1 && break
  sleep 0.5
done
timeout 10 lpadmin -d "$queue" || fail "no queue $queue: $(grep -v deprecated "$base/log/lpadmin.out")"

# HOME elsewhere: no lpoptions of the user may choose another default queue.
HOME="$base/home" TAVELOR_TEST_QUEUE="$queue" TAVELOR_TEST_PDF_FOLDER="$out" \
  TAVELOR_TEST_SHEET="$sheet" timeout 100 "$check"
