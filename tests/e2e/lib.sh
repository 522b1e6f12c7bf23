# Shared by the end-to-end tests: a private X server with a window manager, the real binary, real clicks.
# Source it with the binary's path as $1.
set -euo pipefail

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

# Starts Xvfb on a free display number and openbox on it.
start_x() {
  local fd_file="$E2E_TMP/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do [ -s "$fd_file" ] && break; sleep 0.05; done
  [ -s "$fd_file" ] || fail "Xvfb did not start"
  export DISPLAY=":$(cat "$fd_file")"
  openbox >/dev/null 2>&1 &
  PIDS+=($!)
  sleep 0.3
}

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
click() {
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.05
  xdotool mouseup 1
}

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
