#!/usr/bin/env bash
# The performance figures of the panel in one table: the micro-benchmarks, start-up time and memory against
# a bare Qt window, the memory the running panel holds against a bare window and one lettered in Japanese, and
# the CPU the real panel uses while nobody touches it against a bare window running the same timer, and a press
# and the tick with a room file whose two projectors are dead (one silent, one refusing).
#
#   bench/run.sh BUILD_DIR     (the build must have been configured with -DYUNURI_BENCH=ON)
#
# The silent projector is at 192.0.2.1, where nothing answers on most networks; where something does, name an
# address whose packets vanish in YUNURI_BENCH_SILENT_PROJECTOR.
set -euo pipefail

BUILD=$(readlink -f "${1:-build}")
RUNS=${YUNURI_BENCH_RUNS:-15}
IDLE_SECONDS=${YUNURI_BENCH_IDLE_SECONDS:-60}
STEADY_SECONDS=${YUNURI_BENCH_STEADY_SECONDS:-10}
MEMORY_RUNS=${YUNURI_BENCH_MEMORY_RUNS:-3}
IDLE_RUNS=${YUNURI_BENCH_IDLE_RUNS:-3}
SETTLE_SECONDS=3

# Goals.
GOAL_STARTUP_RATIO=1.25
GOAL_MEMORY_RATIO=1.25
GOAL_STEADY_MEMORY_RATIO=1.05
GOAL_IDLE_CPU_RATIO=1.1
GOAL_FRAME_RATIO2_US=1000
GOAL_CACHE_RATIO2_MS=30
GOAL_IDLE_TICK_NS=20
GOAL_DEAD_ROOM_PRESS_US=100
GOAL_TICK_LATENESS_MS=10
GOAL_ROOM_REPAINT_RATIO2_US=2000
GOAL_ROOM_MEMORY_KB=2048

for bin in bench/yunuri_bench bench/yunuri_first_frame bench/bare_window bench/japanese_window \
  bench/yunuri_launch yunuri; do
  [ -x "$BUILD/$bin" ] || { echo "run.sh: $BUILD/$bin is missing; configure with -DYUNURI_BENCH=ON" >&2; exit 1; }
done

TMP=$(mktemp -d)
XVFB_PID=
PIDS=()
cleanup() {
  local pid
  for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  rm -rf "$TMP"
}
trap cleanup EXIT

echo "Running the micro-benchmarks ..." >&2
"$BUILD/bench/yunuri_bench" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv >"$TMP/bench.csv" 2>"$TMP/bench.err"

# The median of a benchmark, converted to the unit asked for (ns, us or ms).
figure() {
  awk -F, -v name="\"$1_median\"" -v want="$2" '
    function scale(u) { return u == "ns" ? 1 : u == "us" ? 1e3 : u == "ms" ? 1e6 : 1e9 }
    $1 == name { printf "%.3g", $3 * scale($5) / scale(want); found = 1 }
    END { if (!found) printf "n/a" }' "$TMP/bench.csv"
}

echo "Starting a private X server ..." >&2
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$TMP/display" >/dev/null 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$TMP/display" ] && break; sleep 0.05; done
[ -s "$TMP/display" ] || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$TMP/display")"
export DBUS_SESSION_BUS_ADDRESS=disabled:

echo "Launching the panel and a bare window $RUNS times each ..." >&2
"$BUILD/bench/yunuri_launch" "$RUNS" "$TMP/launches" "panel=$BUILD/bench/yunuri_first_frame" \
  "ready=$BUILD/bench/yunuri_first_frame,--ready" "bare=$BUILD/bench/bare_window" \
  "english=$BUILD/bench/yunuri_first_frame,--english" "switch=$BUILD/bench/yunuri_first_frame,--switch" \
  >"$TMP/launch.txt"
read -r _ panel_ms panel_kb < <(grep '^panel ' "$TMP/launch.txt")
read -r _ ready_ms _ < <(grep '^ready ' "$TMP/launch.txt")
read -r _ bare_ms bare_kb < <(grep '^bare ' "$TMP/launch.txt")
read -r _ english_ms english_kb < <(grep '^english ' "$TMP/launch.txt")
read -r _ switch_ms switch_kb < <(grep '^switch ' "$TMP/launch.txt")

# Starts a program in the background with a runtime directory of its own; its pid is in $STARTED.
start() {
  local runtime
  runtime=$(mktemp -d "$TMP/runtime.XXXXXX")
  XDG_RUNTIME_DIR="$runtime" "$@" >/dev/null 2>&1 &
  STARTED=$!
  PIDS+=("$STARTED")
}
stop() {
  kill "$@" 2>/dev/null || true
  wait "$@" 2>/dev/null || true
  PIDS=()
}
window_of() {
  local wid
  wid=$(timeout 10 xdotool search --sync --onlyvisible --pid "$1" | head -1)
  [ -n "$wid" ] || { echo "run.sh: process $1 showed no window" >&2; exit 1; }
  echo "$wid"
}
# Kilobytes of a process's peak and current resident memory.
resident() { awk '$1 == "VmHWM:" { peak = $2 } $1 == "VmRSS:" { now = $2 } END { print peak, now }' "/proc/$1/status"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "Holding the running panel, a bare window and a Japanese one open side by side, $MEMORY_RUNS times ..." >&2
for _ in $(seq "$MEMORY_RUNS"); do
  start "$BUILD/yunuri"
  panel=$STARTED
  start "$BUILD/bench/bare_window" --stay
  bare=$STARTED
  start "$BUILD/bench/japanese_window" --stay
  japanese=$STARTED
  wid=$(window_of "$panel")
  window_of "$bare" >/dev/null
  window_of "$japanese" >/dev/null
  # The notice is clicked away as a visitor would; then everything put off and every release is done.
  xdotool mousemove --window "$wid" 200 150 click 1
  sleep "$STEADY_SECONDS"
  echo "panel $(resident "$panel")" >>"$TMP/steady.txt"
  echo "bare $(resident "$bare")" >>"$TMP/steady.txt"
  echo "japanese $(resident "$japanese")" >>"$TMP/steady.txt"
  stop "$panel" "$bare" "$japanese"
done
# The English panel alone: beside the others, the code pages it brings into the page cache would be mapped
# into their resident memory too.
for _ in $(seq "$MEMORY_RUNS"); do
  start "$BUILD/yunuri" --language en
  english=$STARTED
  xdotool mousemove --window "$(window_of "$english")" 200 150 click 1
  sleep "$STEADY_SECONDS"
  echo "english $(resident "$english")" >>"$TMP/steady.txt"
  stop "$english"
done
steady() { awk -v who="$1" -v col="$2" '$1 == who { print $col }' "$TMP/steady.txt" | median; }

echo "Leaving the real panel and the timer floor idle for $IDLE_SECONDS s side by side, $IDLE_RUNS times ..." >&2
# Clock ticks of user and system time of the whole process (10 ms each on most kernels).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
# Nanoseconds on a CPU, summed over the process's threads: the same figure at a finer grain.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { printf "%d", t }'; }
percent_of() { awk -v d="$1" -v s="$IDLE_SECONDS" 'BEGIN { printf "%.3f", d / 1e9 / s * 100 }'; }
for _ in $(seq "$IDLE_RUNS"); do
  start "$BUILD/yunuri"
  panel=$STARTED
  start "$BUILD/bench/bare_window" --timer
  floor=$STARTED
  wid=$(window_of "$panel")
  window_of "$floor" >/dev/null
  # Dismiss the notice, then leave the pointer resting on a button (MUTE), as a visitor would; what the
  # notice set going (the remote sliding in, the painting thread let go a second later) ends first.
  xdotool mousemove --window "$wid" 200 150 click 1
  sleep "$SETTLE_SECONDS"
  xdotool mousemove --window "$wid" $((349 + 16)) $((276 + 10))
  sleep "$SETTLE_SECONDS"
  before=$(cpu_ticks "$panel")
  before_ns=$(cpu_ns "$panel")
  floor_before_ns=$(cpu_ns "$floor")
  sleep "$IDLE_SECONDS"
  after=$(cpu_ticks "$panel")
  after_ns=$(cpu_ns "$panel")
  floor_after_ns=$(cpu_ns "$floor")
  stop "$panel" "$floor"
  awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$IDLE_SECONDS" \
    'BEGIN { printf "%.2f\n", d / hz / s * 100 }' >>"$TMP/idle-ticks.txt"
  panel_percent=$(percent_of $((after_ns - before_ns)))
  floor_percent=$(percent_of $((floor_after_ns - floor_before_ns)))
  echo "$panel_percent" >>"$TMP/idle-panel.txt"
  echo "$floor_percent" >>"$TMP/idle-floor.txt"
  awk -v a="$panel_percent" -v b="$floor_percent" 'BEGIN { printf "%.2f\n", (b > 0 ? a / b : 0) }' \
    >>"$TMP/idle-ratio.txt"
done
# The same with the room's window open beside the panel: it follows every tick and paints nothing while nothing
# changes. Its memory is read after the same steady wait as the panel's above.
echo "The same with the room's window open, $IDLE_RUNS times ..." >&2
# The panel's window of a process that shows the room's too.
panel_window_of() {
  local room
  room=$(timeout 10 xdotool search --sync --onlyvisible --pid "$1" --name '教室' | head -1)
  [ -n "$room" ] || { echo "run.sh: process $1 showed no room" >&2; exit 1; }
  xdotool search --onlyvisible --pid "$1" | grep -vx "$room" | head -1
}
for _ in $(seq "$IDLE_RUNS"); do
  start "$BUILD/yunuri" --room-view
  panel=$STARTED
  start "$BUILD/bench/bare_window" --timer
  floor=$STARTED
  wid=$(panel_window_of "$panel")
  window_of "$floor" >/dev/null
  xdotool windowraise "$wid" mousemove --window "$wid" 200 150 click 1
  sleep "$STEADY_SECONDS"
  echo "room $(resident "$panel")" >>"$TMP/steady.txt"
  before_ns=$(cpu_ns "$panel")
  floor_before_ns=$(cpu_ns "$floor")
  sleep "$IDLE_SECONDS"
  after_ns=$(cpu_ns "$panel")
  floor_after_ns=$(cpu_ns "$floor")
  stop "$panel" "$floor"
  awk -v a="$(percent_of $((after_ns - before_ns)))" -v b="$(percent_of $((floor_after_ns - floor_before_ns)))" \
    'BEGIN { printf "%.2f\n", (b > 0 ? a / b : 0) }' >>"$TMP/room-idle-ratio.txt"
done
room_idle_ratio=$(median <"$TMP/room-idle-ratio.txt")

idle_percent=$(median <"$TMP/idle-ticks.txt")
idle_percent_fine=$(median <"$TMP/idle-panel.txt")
floor_percent_fine=$(median <"$TMP/idle-floor.txt")
idle_ratio=$(median <"$TMP/idle-ratio.txt")

# One row: measure, figure with unit, goal text, ratio of figure to goal (or to the bare window).
row() { printf '%-40s %14s %14s %8s  %s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "n/a" || b == 0) print "n/a"; else printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r != "n/a" && r + 0 <= g + 0) ? "ok" : "MISSED" }'; }
goal_row() {  # measure value unit goal
  local r
  r=$(ratio "$2" "$4")
  row "$1" "$2 $3" "< $4 $3" "$r" "$(verdict "$r" 1)"
}

cpu=$(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //')
echo
echo "Yunuri performance on $(nproc) x $cpu ($(uname -r)); medians"
row "measure" "figure" "goal" "ratio" ""

goal_row "idle tick (core)" "$(figure BM_IdleTick ns)" ns "$GOAL_IDLE_TICK_NS"
row "idle tick (widget: core + sync)" "$(figure BM_ShellIdleTick ns) ns" "-" "" ""
row "tick, 9 sliders + 2 projectors busy" "$(figure BM_BusyTick ns) ns" "-" "" ""
for kind in source send volume top_button popup_button remote_button; do
  row "press + release: $kind" "$(figure "BM_Press/$kind" ns) ns" "-" "" ""
done
row "hit test" "$(figure BM_HitTest ns) ns" "-" "" ""
goal_row "press + release, both projectors dead" "$(figure BM_DeadRoomPress us)" us "$GOAL_DEAD_ROOM_PRESS_US"
row "worst tick lateness, simulated room" "$(figure BM_TickLateness/dead_room:0/iterations:1/manual_time ms) ms" \
  "-" "" ""
goal_row "worst tick lateness, projectors dead" \
  "$(figure BM_TickLateness/dead_room:1/iterations:1/manual_time ms)" ms "$GOAL_TICK_LATENESS_MS"
row "full frame, ratio 1" "$(figure BM_PaintFrame/ratio:1 us) us" "-" "" ""
goal_row "full frame, ratio 2" "$(figure BM_PaintFrame/ratio:2 us)" us "$GOAL_FRAME_RATIO2_US"
row "picture cache, ratio 1" "$(figure BM_PictureCache/ratio:1 ms) ms" "-" "" ""
goal_row "picture cache, ratio 2" "$(figure BM_PictureCache/ratio:2 ms)" ms "$GOAL_CACHE_RATIO2_MS"
# A row comparing two figures: measure, ratio, goal ratio.
ratio_row() {
  row "$1" "${2}x" "< ${3}x" "$(ratio "$2" "$3")" "$(verdict "$2" "$3")"
}
row "launch to first frame: panel" "$panel_ms ms" "" "" ""
row "launch to first frame: bare window" "$bare_ms ms" "" "" ""
ratio_row "launch to first frame, panel / bare" "$(ratio "$panel_ms" "$bare_ms")" "$GOAL_STARTUP_RATIO"
row "launch to panel ready (icon, full panel)" "$ready_ms ms" "" "" ""
row "panel ready / bare window's first frame" "$(ratio "$ready_ms" "$bare_ms")x" "" "" ""
row "peak memory to first frame: panel" "$panel_kb KiB" "" "" ""
row "peak memory to first frame: bare window" "$bare_kb KiB" "" "" ""
ratio_row "peak memory to first frame, panel / bare" "$(ratio "$panel_kb" "$bare_kb")" "$GOAL_MEMORY_RATIO"
# What English costs: started in it, or switched to once after the first frame (a visitor's first Ctrl+L).
row "launch to first frame: English panel" "$english_ms ms" "" "" ""
row "launch to first frame, English / bare" "$(ratio "$english_ms" "$bare_ms")x" "" "" ""
row "first frame, then one in English" "$switch_ms ms" "" "" ""
row "first switch to English" "$(awk -v a="$switch_ms" -v b="$panel_ms" 'BEGIN { printf "%.2f", a - b }') ms" \
  "" "" ""
row "peak memory to first frame: English" "$english_kb KiB" "" "" ""
row "peak memory, first frame + switch" "$switch_kb KiB" "" "" ""
row "running, ${STEADY_SECONDS} s idle: panel, current" "$(steady panel 3) KiB" "" "" ""
row "running, ${STEADY_SECONDS} s idle: panel, peak" "$(steady panel 2) KiB" "" "" ""
row "running: bare window, current" "$(steady bare 3) KiB" "" "" ""
row "running: Japanese line, current" "$(steady japanese 3) KiB" "" "" ""
row "running: English panel, current" "$(steady english 3) KiB" "" "" ""
row "running, English panel / Japanese panel" "$(ratio "$(steady english 3)" "$(steady panel 3)")x" "" "" ""
row "running, Japanese line / bare" "$(ratio "$(steady japanese 3)" "$(steady bare 3)")x" "" "" ""
row "running, panel / bare" "$(ratio "$(steady panel 3)" "$(steady bare 3)")x" "" "" ""
ratio_row "running, panel / Japanese line" "$(ratio "$(steady panel 3)" "$(steady japanese 3)")" \
  "$GOAL_STEADY_MEMORY_RATIO"
row "idle CPU, $IDLE_SECONDS s, panel, utime+stime" "$idle_percent %" "" "" ""
row "idle CPU, $IDLE_SECONDS s, panel, schedstat" "$idle_percent_fine %" "" "" ""
row "idle CPU, $IDLE_SECONDS s, 100 ms timer floor" "$floor_percent_fine %" "" "" ""
ratio_row "idle CPU, panel / timer floor" "$idle_ratio" "$GOAL_IDLE_CPU_RATIO"
row "room: idle tick's look at the panel" "$(figure BM_RoomIdleFollow ns) ns" "-" "" ""
row "room: repaint after a change, ratio 1" "$(figure BM_RoomRepaint/ratio:1 us) us" "-" "" ""
goal_row "room: repaint after a change, ratio 2" "$(figure BM_RoomRepaint/ratio:2 us)" us \
  "$GOAL_ROOM_REPAINT_RATIO2_US"
ratio_row "idle CPU with the room, panel / floor" "$room_idle_ratio" "$GOAL_IDLE_CPU_RATIO"
goal_row "running, room's window open - panel" "$(awk -v a="$(steady room 3)" -v b="$(steady panel 3)" \
  'BEGIN { print a - b }')" KiB "$GOAL_ROOM_MEMORY_KB"
