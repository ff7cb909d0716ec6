# shellcheck shell=bash
# Sourced by the real-window tests: a private Xvfb on a free display, and helpers that drive
# the program with xdotool. Everything started here is ended by x_session_cleanup, by process id.

x_session_pids=()

# Starts Xvfb on the first free display and exports DISPLAY. -noreset: without it the server
# resets when its last client leaves, and a program started again during the reset aborts with
# "could not connect to display".
x_session_start() {
  local fd_file="$1/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" 2>"$1/xvfb.log" &
  x_session_pids+=($!)
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  [ -s "$fd_file" ] || { echo "FAIL: Xvfb did not start" >&2; cat "$1/xvfb.log" >&2; return 1; }
  DISPLAY=":$(head -1 "$fd_file")"
  export DISPLAY
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
}

x_session_cleanup() {
  local pid
  for pid in "${x_session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${x_session_pids[@]}"; do
    for _ in $(seq 30); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  x_session_pids=()
}

# Prints the id of the first visible window of process $1 whose name matches $2 (a regular
# expression), waiting up to $3 seconds (10 when not given). Fails when none comes.
x_wait_window() {
  local pid="$1" name="$2" seconds="${3:-10}" id
  local deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -le "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended while waiting for '$name'" >&2; return 1; }
    # Names are compared here: xdotool's own --name match also reports windows it should not.
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
      if [[ "$(xdotool getwindowname "$id" 2>/dev/null)" =~ $name ]]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  echo "FAIL: no window '$name' within ${seconds}s" >&2
  return 1
}

# The number of visible windows of process $1.
x_window_count() {
  xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l
}

# Waits up to $2 seconds until process $1 shows a window other than $3 (the main window), and
# prints its id.
x_wait_other_window() {
  local pid="$1" seconds="$2" main="$3" id
  local deadline=$((SECONDS + seconds))
  while [ "$SECONDS" -le "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended while waiting for a window" >&2; return 1; }
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
      if [ "$id" != "$main" ]; then
        echo "$id"
        return 0
      fi
    done
    sleep 0.03
  done
  return 1
}

# Gives the keyboard to window $1 (there is no window manager to do it) and lets it settle.
x_focus() {
  xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
  sleep 0.2
}

# Waits up to $2 seconds for process $1 to end; fails when it does not.
x_wait_exit() {
  local pid="$1" deadline=$((SECONDS + $2))
  while [ "$SECONDS" -le "$deadline" ]; do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  return 1
}

# Ends this script with SIGTERM after $1 seconds unless watchdog_stop comes first; the script's
# TERM trap does the cleaning up.
x_watchdog=""
watchdog_start() {
  local script=$$
  (
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    sleep "$1" &
    sleeper=$!
    wait "$sleeper" && kill -TERM "$script" 2>/dev/null
  ) >/dev/null 2>&1 &
  x_watchdog=$!
}
watchdog_stop() {
  [ -n "$x_watchdog" ] && kill "$x_watchdog" 2>/dev/null
  x_watchdog=""
  return 0
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Bounds the whole run to $2 seconds and, however it ends, leaves a screenshot in folder $1 when
# it failed and ends everything the script started: the program ($app_pid), a clipboard owner
# ($clip_pid), the watchdog and the X server.
x_run_bounded() {
  x_work="$1"
  trap x_session_exit EXIT
  trap 'echo "FAIL: out of time" >&2; exit 1' TERM
  trap 'echo "FAIL: command failed at line $LINENO" >&2' ERR
  watchdog_start "$2"
}

x_session_exit() {
  local status=$? pid
  if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ] && command -v import >/dev/null; then
    import -window root "$x_work/failure.png" 2>/dev/null && echo "screenshot: $x_work/failure.png" >&2
  fi
  for pid in ${clip_pid:-} ${app_pid:-}; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  watchdog_stop
  x_session_cleanup
  exit "$status"
}
