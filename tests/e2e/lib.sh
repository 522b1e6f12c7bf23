# Shared by the end-to-end tests: a private X server with a window manager, the real binary, real clicks, and
# one way to report. Source it from a script whose first argument is the binary (YUNURI_BIN may be changed
# afterwards).
#
# Reporting: `check NAME COMMAND...` runs one check and goes on; `require NAME COMMAND...` ends the script when
# it fails, for checks the rest builds on; `fail WHY` ends it at once (a step that could not be taken); `skip
# WHY` ends it with 77, which CTest counts as skipped; `finish` prints "N passed, M failed" and exits. Every
# line is "ok: ...", "FAIL: ..." or "SKIPPED: ...". A failed command says why on standard error.
set -eEuo pipefail
# A step that fails outside a check ends the script; the test's own line of the first such step, however deep
# in the helpers it failed, is named when it ends.
step_failed() {
  local n=${#BASH_LINENO[@]}
  E2E_STEP=${E2E_STEP:-"line ${BASH_LINENO[n - 2]} of ${BASH_SOURCE[n - 1]##*/}"}
}
trap step_failed ERR

# Every test has a session bus of its own or none. A script that sets E2E_SESSION_BUS=1 before sourcing this
# runs again inside a private bus that ends with it; the others get none: where dbus-x11 is installed and no
# bus runs, the toolkit's D-Bus use would autolaunch a daemon that writes into the runtime directory and
# outlives the test.
if [ -n "${E2E_SESSION_BUS:-}" ] && [ -z "${YUNURI_E2E_OWN_BUS:-}" ]; then
  exec env YUNURI_E2E_OWN_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
[ -n "${YUNURI_E2E_OWN_BUS:-}" ] || export DBUS_SESSION_BUS_ADDRESS=disabled:
# Nothing reaches the desktop the tests were started from: a display is only the one start_x makes.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
YUNURI_BIN=$(readlink -f "$1")
E2E_TMP=$(mktemp -d)
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# What the program remembers (F9's choice) stays with the test: every test starts as a new user.
export XDG_CONFIG_HOME="$E2E_TMP/config"
PIDS=()     # what the test started, ended newest first when it ends
AT_EXIT=()  # commands run once those have ended
PASSED=0
FAILED=0

run_check() {
  local name=$1
  shift
  if "$@"; then
    PASSED=$((PASSED + 1))
    echo "ok: $name"
  else
    FAILED=$((FAILED + 1))
    echo "FAIL: $name" >&2
    return 1
  fi
}
check() { run_check "$@" || true; }
require() { run_check "$@" || finish; }
fail() {
  echo "FAIL: $*" >&2
  FAILED=$((FAILED + 1))
  finish
}
skip() {
  echo "SKIPPED: $*"
  exit 77
}
finish() {
  echo "$PASSED passed, $FAILED failed"
  [ "$FAILED" -eq 0 ] || exit 1
  exit 0
}

# Retries a command every tenth of a second for up to $1 seconds until it succeeds, quietly; when the time is
# up, what its last try printed goes to standard error, to say why.
within() {
  local limit=$1 out='' _
  shift
  for _ in $(seq $((limit * 10))); do
    out=$("$@" 2>&1) && return 0
    sleep 0.1
  done
  [ -z "$out" ] || echo "$out" >&2
  return 1
}
wait_for() { within 5 "$@"; }
gone() { ! kill -0 "$1" 2>/dev/null; }

# Ends everything the test started, newest first, each waited for, so that nothing outlives the test; tells
# what the panels printed when the test failed.
cleanup() {
  local status=$? i log
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
  for i in "${PIDS[@]}"; do within 5 gone "$i" || kill -9 "$i" 2>/dev/null || true; done
  for i in "${AT_EXIT[@]}"; do E2E_STATUS=$status "$i" || true; done
  [ -z "${E2E_STEP:-}" ] || echo "FAIL: a step failed at $E2E_STEP" >&2
  if [ "$status" != 0 ] && [ "$status" != 77 ]; then
    for log in "$E2E_TMP"/panel-*.log; do
      [ -s "$log" ] && { echo "--- $(basename "$log") (last lines):"; tail -n 5 "$log"; } >&2
    done
  fi
  [ -z "${XVFB_PID:-}" ] || kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$E2E_TMP"
}
trap cleanup EXIT

# Starts Xvfb on a free display number (its screen $1, 1024x768 unless given) and openbox on it. The server must not reset when its last client
# leaves: a client connecting meanwhile (the window manager, while a check has just looked) would be turned away.
start_x() {
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  within 5 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
  DISPLAY=":$(cat "$E2E_TMP/display")"
  export DISPLAY
  openbox >/dev/null 2>&1 &
  PIDS+=($!)
  # A window mapped before the window manager runs would go unmanaged: no frame, no placement.
  within 5 window_manager_runs || fail "the window manager did not start"
}
window_manager_runs() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

# Starts the accessibility bus on the test's own session bus (a test that set E2E_SESSION_BUS=1, once start_x
# has run) and waits until it runs.
start_a11y_bus() {
  dbus-update-activation-environment DISPLAY XDG_RUNTIME_DIR HOME
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  PIDS+=($!)
  within 10 a11y_bus_up || fail "the accessibility bus did not start"
}
# Asked who owns the name: asking the bus itself for its address would start a second launcher.
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q 'boolean true'
}

# Starts the panel with arguments $@ in the background: its pid in $PANEL_PID, its output in $PANEL_LOG (a file
# of its own for every launch). Environment assignments before the call reach the program.
launch() {
  PANEL_LOG="$E2E_TMP/panel-$((${#PIDS[@]} + 1)).log"
  "$YUNURI_BIN" "$@" >"$PANEL_LOG" 2>&1 &
  PANEL_PID=$!
  PIDS+=("$PANEL_PID")
}
# The same, then waits for its window: its id in $WID.
open_panel() {
  launch "$@"
  WID=$(wait_window "$PANEL_PID")
}

# Prints the ids of the visible windows of pid $1 (any, when empty) whose title matches the regular expression
# $2 (any title).
windows_titled() { xdotool search --all --onlyvisible ${1:+--pid "$1"} ${2:+--name "$2"} 2>/dev/null || true; }
has_window() { [ -n "$(windows_titled "$@")" ]; }
# Waits (at most 10 s) for a visible window of pid $1 titled to match $2 (any title) and prints its id.
wait_window() {
  within 10 has_window "$@" || fail "no window${2:+ titled '$2'} for pid $1"
  windows_titled "$@" | head -1
}

# True when process $1 (a child of this shell) ends within $2 seconds with status 0; else says how it did not.
# Not for use inside $(...): a subshell cannot collect the status of its parent's children.
ends_cleanly() {
  local status=0
  within "$2" gone "$1" || { echo "the process still runs after $2 s" >&2; return 1; }
  wait "$1" || status=$?
  [ "$status" = 0 ] || { echo "the process ended with status $status" >&2; return 1; }
}

# Lists whatever is left in the runtime directory (or in directory $1).
leftovers() { find "${1:-$XDG_RUNTIME_DIR}" -mindepth 1 2>/dev/null || true; }
# True when the runtime directory (or $1) is empty; else lists what is left.
nothing_left() { [ -z "$(leftovers "$@")" ] || { echo "left behind: $(leftovers "$@")" >&2; return 1; }; }
# True when process $1 ends cleanly within $2 seconds and leaves nothing in the runtime directory (or $3).
ends_leaving_nothing() { ends_cleanly "$1" "$2" && nothing_left "${@:3}"; }
# True when file $1 is empty; else shows it.
silent() { [ ! -s "$1" ] || ! cat "$1" >&2; }

size_is() { xwininfo -id "$1" | grep -q "Width: $2\$" && xwininfo -id "$1" | grep -q "Height: $3\$"; }
caption() { xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'; }
caption_is() { [ "$(caption "$1")" = "$2" ] || { echo "caption is '$(caption "$1")', expected '$2'" >&2; return 1; }; }
# Waits until the caption of window $1 is $2 (at most $3 seconds, default 5).
wait_caption() { within "${3:-5}" caption_is "$1" "$2"; }

# Client points of the panel's buttons (the centres of their rectangles) and areas ("x y w h") of its parts.
declare -A AT=(
  [notice]="200 150"
  [desktop_pc]="246 45"         # SWm(1), 208,36 76x18
  [dvd_vtr]="175 165"           # SWm(6), 137,156 76x18
  [projector_power]="195 14"    # SWu(0), 157,5 76x18
  [exit]="363 27"               # SWu(2), 339,3 49x49
  [left_power_on]="135 100"     # SWp1(0) in the power popup at rest
  [left_power_off]="174 100"    # SWp1(1)
  [execute_exit]="345 197"      # SWp3(0), 終了実行, in the exit popup at rest
  [volume_up]="365 229"         # SWv(0), 349,219 33x21
  [mute]="365 286"              # SWv(2), 349,276 33x21
  [send_left]="325 109"         # SWs(0), 306,90 39x39
  [play]="29 190"               # SWr1(6) on the DVD/VTR remote
)
declare -A AREA=(
  [left_panel]="4 85 91 212"    # the select-a-device panel, or a remote, at rest
  [power_popup]="109 26 91 210" # POP0 at rest
  [exit_popup]="300 53 91 198"  # POP2 at rest
  [meter]="328 219 15 77"       # MET
  [volume_up]="349 219 33 21"
  [execute_exit]="329 187 33 21"
)

# A client point: a name of AT, or x and y. Clicks with the primary button at a point of window $1, or holds it
# down there; let_go releases it wherever the pointer is.
point() { echo "${AT[$1]:-$*}"; }
# shellcheck disable=SC2046 # a point is two words
click() { xdotool mousemove --window "$1" $(point "${@:2}") click 1; }
# shellcheck disable=SC2046
hold() { xdotool mousemove --window "$1" $(point "${@:2}") mousedown 1; }
let_go() { xdotool mouseup 1; }
# Closes window $1 from its frame, as the window manager's close button does.
close_from_frame() { wmctrl -i -c "$1"; }

# Saves a screenshot of window $1 to $2.
screenshot() { import -window "$1" "$2" || { echo "window $1 cannot be looked at (has the program ended?)" >&2; return 1; }; }

# Prints the pixels of the area $3x$4+$1+$2 of screenshot $5 as "r g b" lines (0..255).
area_rgb() {
  convert "$5" -crop "${3}x${4}+${1}+${2}" +repage -depth 8 txt:- |
    sed -n 's/^[0-9]*,[0-9]*: *(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p'
}
# True when the area x y w h ($1..$4, or an AREA name as $1) is the same in the two screenshots that follow.
same_area() {
  local a
  # shellcheck disable=SC2206
  [ -n "${AREA[$1]:-}" ] && a=(${AREA[$1]}) && set -- "${a[@]}" "${@:2}"
  local geometry="${3}x${4}+${1}+${2}"
  cmp -s <(convert "$5" -crop "$geometry" +repage rgb:-) <(convert "$6" -crop "$geometry" +repage rgb:-)
}
# True when the command fails: check and within take a command, not a negation.
not() { ! "$@"; }

# Waits (at most 5 s) until an area (as for same_area) of window $1 differs from screenshot $2; leaves the
# screenshot that shows it in $3.
wait_area_changed() {
  local wid=$1 before=$2 out=$3 _
  shift 3
  for _ in $(seq 50); do
    screenshot "$wid" "$out" || return 1
    ! same_area "$@" "$before" "$out" && return 0
    sleep 0.1
  done
  echo "area $* did not change" >&2
  return 1
}
# Waits (at most 5 s) until an area (as for same_area) of window $1 differs from screenshot $2 and has stopped
# moving; leaves the last screenshot in $3. What slides moves every tick (100 ms) and the looks are more than a
# tick apart, so three alike in a row mean it rests, even on a busy machine where a tick comes late.
wait_area_settled() {
  local wid=$1 before=$2 out=$3 previous="$E2E_TMP/previous.png" alike=0 _
  shift 3
  rm -f "$previous"
  for _ in $(seq 50); do
    screenshot "$wid" "$out" || return 1
    if ! same_area "$@" "$before" "$out" && [ -f "$previous" ] && same_area "$@" "$previous" "$out"; then
      alike=$((alike + 1))
      [ "$alike" -lt 2 ] || return 0
    else
      alike=0
    fi
    cp "$out" "$previous"
    sleep 0.1
  done
  echo "area $* did not change and settle" >&2
  return 1
}

# Clicks the notice of window $1 (at a point as for click, by default its middle) and waits until it is gone
# and the select-a-device panel has slid in; the panel as it then shows is in $E2E_TMP/panel.png.
dismiss_notice() {
  local wid=$1
  shift
  screenshot "$wid" "$E2E_TMP/notice.png"
  click "$wid" "${@:-notice}"
  wait_area_settled "$wid" "$E2E_TMP/notice.png" "$E2E_TMP/panel.png" left_panel ||
    fail "the notice did not give way to the panel"
}
# Clicks button $2 of window $1 and waits until popup $3 (an AREA name) has slid in and come to rest; the
# window before is in $E2E_TMP/closed.png, with the popup in $E2E_TMP/open.png.
open_popup() {
  screenshot "$1" "$E2E_TMP/closed.png" && click "$1" "$2" &&
    wait_area_settled "$1" "$E2E_TMP/closed.png" "$E2E_TMP/open.png" "$3"
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
