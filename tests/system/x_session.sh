# shellcheck shell=bash
# Sourced by the tests that drive the real program on a private Xvfb with xdotool, through its
# keyboard, window titles and files only. Every wait is bounded and fails with a message, the
# whole run is bounded too, and everything started here is ended by its process id.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# x_session_start <work folder> <seconds>: a home (the PDF fallback writes to its Documents) and
# no reachable print queue; Xvfb on a free display; the run ended with a message after <seconds>.
x_session_start() {
  x_work=$1 app_pid="" x_server="" main=""
  local tool
  for tool in Xvfb xdotool xclip import convert; do
    command -v "$tool" >/dev/null || fail "$tool is missing (run scripts/setup)"
  done
  mkdir -p "$x_work/home/Documents" "$x_work/runtime"
  chmod 700 "$x_work/runtime"
  export HOME="$x_work/home" XDG_RUNTIME_DIR="$x_work/runtime" LC_ALL=C.UTF-8 LANG=C.UTF-8
  export CUPS_SERVER="$x_work/no-cupsd-here.sock"
  # Whatever platform the calling shell gave Qt (offscreen, wayland), the program comes up here.
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY XDG_SESSION_TYPE XDG_CONFIG_HOME XDG_DOCUMENTS_DIR \
    PRINTER LPDEST
  trap x_session_end EXIT
  trap "fail 'out of time after $2 s'" TERM
  trap 'echo "FAIL: command failed at line $LINENO" >&2' ERR
  # -noreset: else a program started while the server resets after its last client cannot connect.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$x_work/display" \
    2>"$x_work/xvfb.log" &
  x_server=$!
  x_poll 10 test -s "$x_work/display" || fail "Xvfb did not start: $(cat "$x_work/xvfb.log")"
  export DISPLAY=":$(head -1 "$x_work/display")"
  # The watchdog: out of time, it ends the script, then the X server any X client may hang on.
  (timeout "$2" tail --pid=$$ -s 0.2 -f /dev/null ||
    { kill -TERM $$ && sleep 2 && kill -0 $$ && kill "$x_server"; }) >/dev/null 2>&1 &
}

# x_session_end [<status>]: the exit status defaults to the one the script is ending with.
x_session_end() {
  local status=${1:-$?}
  trap - ERR TERM
  if [ "$status" -ne 0 ]; then
    timeout 10 import -window root "$x_work/failure.png" 2>/dev/null &&
      echo "screenshot: $x_work/failure.png" >&2
    [ -s "$x_work/tavelor.log" ] && tail -20 "$x_work/tavelor.log" >&2
  fi
  x_end $app_pid $x_server
  exit "$status"
}

# x_end <pid>...: ends each process, by force when it takes more than 3 s.
x_end() {
  local pid
  for pid in "$@"; do kill "$pid" 2>/dev/null || true; done
  for pid in "$@"; do
    timeout 3 tail --pid="$pid" -s 0.1 -f /dev/null || kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
}

# x_poll <seconds> <command>...: runs the command until it succeeds; fails after <seconds>.
x_poll() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# x_start <executable> [<argument>...]: from the work folder (the program finds its own folder).
x_start() {
  (cd "$x_work" && exec "$@") >>"$x_work/tavelor.log" 2>&1 &
  app_pid=$!
}

x_windows() { timeout 5 xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true; }
x_only_main() { [ "$(x_windows)" = "$main" ]; }
x_gone() { ! x_windows | grep -qx "$1"; }

# x_find <regex>: prints the program's first window besides the main window whose title matches
# (compared here: xdotool's own --name match also reports windows it should not).
x_find() {
  local id
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended"
  for id in $(x_windows); do
    [ "$id" != "$main" ] && [[ "$(timeout 5 xdotool getwindowname "$id")" =~ $1 ]] &&
      echo "$id" && return 0
  done
  return 1
}

x_wait_window() { x_poll "${2:-10}" x_find "$1" || fail "no window '$1' within ${2:-10} s"; }

# x_focus <window>: gives it the keyboard (there is no window manager to do it).
x_focus() {
  timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || timeout 5 xdotool windowfocus "$1" ||
    fail "window $1 does not take the focus"
  sleep 0.1
}

# x_answer <title regex> <key, "type:TEXT" or "run:COMMAND">...: in the one window besides the
# main window whose title matches, presses the keys, types the texts and runs the commands (with
# no arguments) between them; waits until the window goes.
x_answer() {
  local window arg
  window=$(x_wait_window "$1") || exit 1
  x_focus "$window"
  for arg in "${@:2}"; do
    case $arg in
      type:*) xdotool type --delay 10 "${arg#type:}" ;;
      run:*) "${arg#run:}" ;;
      *) xdotool key "$arg" ;;
    esac
  done
  x_poll 10 x_gone "$window" || fail "the window '$1' stays open"
}

# x_menu <menu key> <item key>: picks an item of the main window's menu bar.
x_menu() {
  x_focus "$main"
  xdotool key "alt+$1"
  x_wait_window "" >/dev/null
  sleep 0.1
  xdotool key "$2"
}

# x_print <sheet name> [<File menu key>]: File > Print (or that entry), the sheet name, Enter in
# the print question; the status bar says what was done, no box opens.
x_print() {
  x_menu f "${2:-p}"
  x_answer '^Print$' ctrl+a "type:$1" Return
  x_answer "" Return
  sleep 0.5
  x_only_main || fail "printing left a window open"
}

# x_quit [<key>...]: File > Quit, answering the unsaved-changes question with the keys if given.
x_quit() {
  x_menu f q
  [ $# -eq 0 ] || x_answer "" "$@"
  timeout 10 tail --pid="$app_pid" -s 0.1 -f /dev/null || fail "File > Quit did not end the program"
  wait "$app_pid" || fail "the program ended with status $?"
  app_pid="" main=""
}

# pdf_reads <mode> <pdf> <expected>: what read_pdf.py finds on the paper of the PDF (see there).
pdf_reads() {
  local read
  read=$("$python" "$(dirname "${BASH_SOURCE[0]}")/read_pdf.py" "$1" "$2")
  [ "$read" = "$3" ] || fail "$2 reads '$read', not '$3'"
}
