# Shared by the end-to-end tests: a private X server with a window manager, the real binary, real clicks.
# Source it with the binary's path as $1.
set -euo pipefail

# Every test has a session bus of its own or none. A script that sets E2E_SESSION_BUS=1 before sourcing this
# runs again inside a private bus that ends with it; the others get none: where dbus-x11 is installed and no
# bus runs, the toolkit's D-Bus use would autolaunch a daemon that writes into the runtime directory and
# outlives the test.
if [ -n "${E2E_SESSION_BUS:-}" ] && [ -z "${YUNURI_E2E_OWN_BUS:-}" ]; then
  exec env YUNURI_E2E_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
[ -n "${YUNURI_E2E_OWN_BUS:-}" ] || export DBUS_SESSION_BUS_ADDRESS=disabled:
YUNURI_BIN=$(readlink -f "$1")
E2E_TMP=$(mktemp -d)
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
PIDS=()

cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts Xvfb on a free display number and openbox on it. The server must not reset when its last client
# leaves: a client connecting meanwhile (the window manager, while a check has just looked) would be turned away.
start_x() {
  local fd_file="$E2E_TMP/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.05; done
  [ -s "$fd_file" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$fd_file")"
  openbox >/dev/null 2>&1 &
  PIDS+=($!)
  # A window mapped before the window manager runs would go unmanaged: no frame, no placement.
  wait_for window_manager_runs || fail "the window manager did not start"
}

# True once a window manager has announced itself on the root window.
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# Launches the panel in the background; its pid is in $PANEL_PID, its output in $E2E_TMP/panel.log.
launch() {
  "$YUNURI_BIN" >"$E2E_TMP/panel.log" 2>&1 &
  PANEL_PID=$!
  PIDS+=("$PANEL_PID")
}

# Waits for a window of the given pid and prints its id.
wait_window() {
  local pid=$1 i wid
  for i in $(seq 100); do
    wid=$(xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  fail "no window for pid $pid"
}

caption() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }

# Waits until the caption of window $1 is $2 (at most $3 seconds, default 5).
wait_caption() {
  local wid=$1 want=$2 limit=${3:-5} i
  for i in $(seq $((limit * 10))); do
    [ "$(caption "$wid")" = "$want" ] && return 0
    sleep 0.1
  done
  fail "caption is '$(caption "$wid")', expected '$want'"
}

# Clicks with the primary button at client coordinates of window $1.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# Waits until process $1 has ended and prints its exit status.
wait_exit() {
  local pid=$1 i
  for i in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" && echo 0 || echo $?
      return 0
    fi
    sleep 0.1
  done
  fail "process $pid did not end"
}

# Saves a screenshot of window $1 to $2.
screenshot() { import -window "$1" "$2"; }

# Counts a passed check; summary prints the count in the form CTest logs expect.
pass() {
  PASSED=$((${PASSED:-0} + 1))
  echo "ok: $*"
}
summary() { echo "${PASSED:-0} passed, 0 failed"; }

# Launches one more copy of the panel; its pid is in $LAUNCHED_PID, its output in $E2E_TMP/$1.log.
launch_named() {
  "$YUNURI_BIN" >"$E2E_TMP/$1.log" 2>&1 &
  LAUNCHED_PID=$!
  PIDS+=("$LAUNCHED_PID")
}

# Prints the ids of the visible windows of pid $1 whose title matches the regular expression $2.
windows_titled() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null || true; }

# Waits for a visible window of pid $1 titled to match $2 and prints its id.
wait_titled() {
  local pid=$1 title=$2 i wid
  for i in $(seq 100); do
    wid=$(windows_titled "$pid" "$title" | head -1)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    sleep 0.1
  done
  fail "no window titled '$title' for pid $pid"
}

# Fails unless process $1 (a child of this shell) ends within $2 seconds with status 0; $3 says what ended it.
# Not for use inside $(...): a subshell cannot collect the status of its parent's children.
expect_clean_exit() {
  local pid=$1 limit=$2 what=$3 i status=0
  for i in $(seq $((limit * 20))); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" || status=$?
      [ "$status" = 0 ] || fail "$what: the process ended with status $status"
      return 0
    fi
    sleep 0.05
  done
  fail "$what: the process still runs after $limit s"
}

# Lists whatever is left in the runtime directory (or in directory $1).
leftovers() { find "${1:-$XDG_RUNTIME_DIR}" -mindepth 1 2>/dev/null || true; }

# Closes window $1 from its frame, as the window manager's close button does.
close_from_frame() { wmctrl -i -c "$1"; }

# Holds the primary button down at client coordinates of window $1; let_go releases it wherever the pointer is.
hold() { xdotool mousemove --window "$1" "$2" "$3" mousedown 1; }
let_go() { xdotool mouseup 1; }

# Prints the pixels of the area $3x$4+$1+$2 of screenshot $5 as "r g b" lines (0..255).
area_rgb() {
  convert "$5" -crop "${3}x${4}+${1}+${2}" +repage -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: *(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p'
}

# True when the area $3x$4+$1+$2 is the same in screenshots $5 and $6.
same_area() {
  local geometry="${3}x${4}+${1}+${2}"
  cmp -s <(convert "$5" -crop "$geometry" +repage rgb:-) <(convert "$6" -crop "$geometry" +repage rgb:-)
}

# Waits (at most 5 s) until the area x y w h ($2..$5) of window $1 differs from screenshot $6 and has stopped
# moving; leaves the last screenshot in $7. What slides moves every tick (100 ms) and the looks are more than a
# tick apart, so three alike in a row mean it rests, even on a busy machine where a tick comes late.
wait_area_settled() {
  local wid=$1 x=$2 y=$3 w=$4 h=$5 before=$6 out=$7 previous="$E2E_TMP/previous.png" alike=0 _
  for _ in $(seq 50); do
    screenshot "$wid" "$out"
    if ! same_area "$x" "$y" "$w" "$h" "$before" "$out" && [ -f "$previous" ] &&
      same_area "$x" "$y" "$w" "$h" "$previous" "$out"; then
      alike=$((alike + 1))
      if [ "$alike" -ge 2 ]; then
        rm -f "$previous"
        return 0
      fi
    else
      alike=0
    fi
    cp "$out" "$previous"
    sleep 0.1
  done
  rm -f "$previous"
  fail "area ${w}x${h}+${x}+${y} did not change and settle"
}

# Waits (at most 5 s) until the area x y w h ($2..$5) of window $1 differs from screenshot $6; leaves the
# screenshot that shows it in $7.
wait_area_changed() {
  local _
  for _ in $(seq 50); do
    screenshot "$1" "$7" || fail "window $1 cannot be looked at (has the program ended?)"
    not_same_area "$2" "$3" "$4" "$5" "$6" "$7" && return 0
    sleep 0.1
  done
  fail "area ${4}x${5}+${2}+${3} did not change"
}

# Clicks the notice of window $1 (at $2 $3, by default its middle) and waits until it is gone and the
# select-a-device panel has slid in; the panel as it then shows is in $E2E_TMP/panel.png.
dismiss_notice() {
  local wid=$1
  screenshot "$wid" "$E2E_TMP/notice.png"
  click "$wid" "${2:-200}" "${3:-150}"
  wait_area_settled "$wid" 4 85 91 212 "$E2E_TMP/notice.png" "$E2E_TMP/panel.png"
}

# Counts pass/fail checks of a script; `check NAME COMMAND...` runs one, `finish` prints the closing line.
PASSED=0
FAILED=0
check() {
  local name=$1
  shift
  if "$@"; then
    PASSED=$((PASSED + 1))
  else
    FAILED=$((FAILED + 1))
    echo "FAIL: $name" >&2
  fi
}
finish() {
  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ]
}
not_same_area() { ! same_area "$@"; }

# Retries a command for up to 5 s until it succeeds.
wait_for() {
  local _
  for _ in $(seq 25); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  "$@"
}

# Runs a command over and over for $1 milliseconds and fails as soon as it fails. Only for what must not
# happen and that no later event of the panel would give away (a tick that should not come): there the time
# watched is the test, so each caller says why nothing better can show it.
keeps_for() {
  local end
  end=$(($(date +%s%3N) + $1))
  shift
  while [ "$(date +%s%3N)" -lt "$end" ]; do
    "$@" || return 1
  done
}
