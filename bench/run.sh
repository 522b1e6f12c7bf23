#!/usr/bin/env bash
# The performance figures of the panel in one table: the micro-benchmarks, start-up time and memory against
# a bare Qt window, and the CPU the real panel uses while nobody touches it.
#
#   bench/run.sh BUILD_DIR     (the build must have been configured with -DYUNURI_BENCH=ON)
set -euo pipefail

BUILD=$(readlink -f "${1:-build}")
RUNS=${YUNURI_BENCH_RUNS:-15}
IDLE_SECONDS=${YUNURI_BENCH_IDLE_SECONDS:-10}
SETTLE_SECONDS=2

# Goals.
GOAL_STARTUP_RATIO=1.5
GOAL_MEMORY_RATIO=1.25
GOAL_IDLE_CPU_PERCENT=0.2
GOAL_FRAME_RATIO2_US=1000
GOAL_CACHE_RATIO2_MS=30
GOAL_IDLE_TICK_NS=20

for bin in bench/yunuri_bench bench/yunuri_first_frame bench/bare_window bench/yunuri_launch yunuri; do
  [ -x "$BUILD/$bin" ] || { echo "run.sh: $BUILD/$bin is missing; configure with -DYUNURI_BENCH=ON" >&2; exit 1; }
done

TMP=$(mktemp -d)
XVFB_PID=
PANEL_PID=
cleanup() {
  [ -n "$PANEL_PID" ] && kill "$PANEL_PID" 2>/dev/null || true
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

echo "Launching the panel and a bare window $RUNS times each ..." >&2
"$BUILD/bench/yunuri_launch" "$RUNS" "$TMP/launches" \
  "panel=$BUILD/bench/yunuri_first_frame" "bare=$BUILD/bench/bare_window" >"$TMP/launch.txt"
read -r _ panel_ms panel_kb < <(grep '^panel ' "$TMP/launch.txt")
read -r _ bare_ms bare_kb < <(grep '^bare ' "$TMP/launch.txt")

echo "Leaving the real panel idle for $IDLE_SECONDS s ..." >&2
# Clock ticks of user and system time of the whole process (10 ms each on most kernels).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
# Nanoseconds on a CPU, summed over the process's threads: the same figure at a finer grain.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { printf "%d", t }'; }
mkdir -m 700 "$TMP/runtime"
XDG_RUNTIME_DIR="$TMP/runtime" "$BUILD/yunuri" >/dev/null 2>&1 &
PANEL_PID=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --pid "$PANEL_PID" | head -1)
[ -n "$wid" ] || { echo "run.sh: the panel showed no window" >&2; exit 1; }
# Dismiss the notice; the pointer stays on the panel, as a visitor would leave it.
xdotool mousemove --window "$wid" 200 150 click 1
sleep "$SETTLE_SECONDS"
before=$(cpu_ticks "$PANEL_PID")
before_ns=$(cpu_ns "$PANEL_PID")
sleep "$IDLE_SECONDS"
after=$(cpu_ticks "$PANEL_PID")
after_ns=$(cpu_ns "$PANEL_PID")
idle_percent=$(awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$IDLE_SECONDS" \
  'BEGIN { printf "%.2f", d / hz / s * 100 }')
idle_percent_fine=$(awk -v d=$((after_ns - before_ns)) -v s="$IDLE_SECONDS" \
  'BEGIN { printf "%.3f", d / 1e9 / s * 100 }')
kill "$PANEL_PID" 2>/dev/null || true
wait "$PANEL_PID" 2>/dev/null || true
PANEL_PID=

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
row "full frame, ratio 1" "$(figure BM_PaintFrame/ratio:1 us) us" "-" "" ""
goal_row "full frame, ratio 2" "$(figure BM_PaintFrame/ratio:2 us)" us "$GOAL_FRAME_RATIO2_US"
row "picture cache, ratio 1" "$(figure BM_PictureCache/ratio:1 ms) ms" "-" "" ""
goal_row "picture cache, ratio 2" "$(figure BM_PictureCache/ratio:2 ms)" ms "$GOAL_CACHE_RATIO2_MS"
startup_ratio=$(ratio "$panel_ms" "$bare_ms")
memory_ratio=$(ratio "$panel_kb" "$bare_kb")
row "start-up to first frame: panel" "$panel_ms ms" "" "" ""
row "start-up to first frame: bare window" "$bare_ms ms" "" "" ""
row "start-up, panel / bare" "${startup_ratio}x" "< ${GOAL_STARTUP_RATIO}x" \
  "$(ratio "$startup_ratio" "$GOAL_STARTUP_RATIO")" "$(verdict "$startup_ratio" "$GOAL_STARTUP_RATIO")"
row "peak memory: panel" "$panel_kb KiB" "" "" ""
row "peak memory: bare window" "$bare_kb KiB" "" "" ""
row "peak memory, panel / bare" "${memory_ratio}x" "< ${GOAL_MEMORY_RATIO}x" \
  "$(ratio "$memory_ratio" "$GOAL_MEMORY_RATIO")" "$(verdict "$memory_ratio" "$GOAL_MEMORY_RATIO")"
goal_row "idle CPU, $IDLE_SECONDS s, utime+stime" "$idle_percent" "%" "$GOAL_IDLE_CPU_PERCENT"
goal_row "idle CPU, $IDLE_SECONDS s, schedstat" "$idle_percent_fine" "%" "$GOAL_IDLE_CPU_PERCENT"
