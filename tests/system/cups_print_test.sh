#!/usr/bin/env bash
# Prints the example wing on a real CUPS queue: starts a private cupsd (its own configuration,
# spool and socket in a temporary folder, so a system cupsd is left alone), adds a cups-pdf
# queue as the default, runs the print check (see cups_print_check.cpp), then removes the queue
# and stops that cupsd. Exits 77 (skipped) only where cupsd cannot start here.
# Usage: cups_print_test.sh <system_cups_print_check executable>
# TAVELOR_TEST_KEEP=<file.pdf> keeps a copy of the printed sheet for a look.
set -uo pipefail
check="$1"
queue=tavelor-test
skip() {
  echo "SKIPPED: $*" >&2
  exit 77
}

command -v cupsd >/dev/null || skip "cupsd is not installed (scripts/setup installs cups)"
[ "$(id -u)" -eq 0 ] || skip "cupsd and the cups-pdf backend need root"
for tool in lpadmin lpstat cupsenable cupsaccept pdftotext pdftocairo; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (run scripts/setup)" >&2; exit 1; }
done
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
if [ ! -x /usr/lib/cups/backend/cups-pdf ] || [ ! -e /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]; then
  echo "FAIL: the cups-pdf backend is missing (scripts/setup installs printer-driver-cups-pdf)" >&2
  exit 1
fi

base=$(mktemp -d /tmp/tavelor-cups.XXXXXX)
# The filters run as the lp user: they must reach the spool inside.
chmod 755 "$base"
mkdir -p "$base"/etc/ppd "$base"/spool/tmp "$base"/cache "$base"/state "$base"/log "$base"/home
cupsd_pid=""
sheet="Tavelor-check-$$-$RANDOM"

# cups-pdf writes into its Out folder, ${HOME} being the home of the user who printed.
user_home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
out=${out:-'${HOME}/PDF'}
out=${out//'${HOME}'/$user_home}

export CUPS_SERVER="$base/cups.sock"
unset PRINTER LPDEST
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

cleanup() {
  if [ -n "$cupsd_pid" ]; then
    timeout 10 lpadmin -x "$queue" 2>/dev/null || true
    kill "$cupsd_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -f "$out"/*"$sheet"*.pdf 2>/dev/null || true
  rm -rf "$base"
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
up=""
for _ in $(seq 100); do
  if timeout 5 lpstat -r >/dev/null 2>&1; then up=1; break; fi
  kill -0 "$cupsd_pid" 2>/dev/null || break
  sleep 0.1
done
if [ -z "$up" ]; then
  cat "$base/log/cupsd.out" "$base/log/error_log" 2>/dev/null | tail -20 >&2
  skip "cupsd could not start here"
fi

set -e
# A scheduler that has only just come up may still refuse the new queue: try a few times, and
# say why when it never takes it.
made=""
for _ in $(seq 10); do
  timeout 30 lpadmin -p "$queue" -v cups-pdf:/ -m "$ppd" >"$base/log/lpadmin.out" 2>&1 || true
  if timeout 5 lpstat -p "$queue" >/dev/null 2>&1; then made=1; break; fi
  sleep 0.5
done
if [ -z "$made" ]; then
  grep -v 'drivers are deprecated' "$base/log/lpadmin.out" >&2 || true
  echo "FAIL: the scheduler did not take the queue $queue" >&2
  exit 1
fi
timeout 10 cupsenable "$queue"
timeout 10 cupsaccept "$queue"
timeout 10 lpadmin -d "$queue"
# The queue turns the job into PostScript for cups-pdf, which Ghostscript makes a PDF again. With
# the default renderer the fonts come back as glyph outlines without their text; rendered by
# pdftocairo the words stay readable, so the check can read what was printed.
timeout 10 lpadmin -p "$queue" -o pdftops-renderer-default=pdftocairo
timeout 10 lpstat -d -p "$queue"
set +e

# HOME elsewhere: no lpoptions of the user may choose another default queue.
HOME="$base/home" TAVELOR_TEST_QUEUE="$queue" TAVELOR_TEST_PDF_FOLDER="$out" \
  TAVELOR_TEST_SHEET="$sheet" TAVELOR_TEST_KEEP="${TAVELOR_TEST_KEEP:-}" timeout 100 "$check"
status=$?
if [ "$status" -ne 0 ]; then
  echo "--- cupsd error log" >&2
  tail -30 "$base/log/error_log" >&2 2>/dev/null || true
fi
exit "$status"
