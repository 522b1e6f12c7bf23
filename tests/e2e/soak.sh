#!/usr/bin/env bash
# A soak: the real panel under random real input for a while - clicks of all three buttons, holds, presses
# dragged off the window and back, focus taken away and the window minimised and restored mid-press - checked
# every second: the process lives, the caption is one the panel may show, and its resident memory, once the
# pictures it needs are painted, stays put. After the storm a MUTE click and a send must still answer.
# The exit popup is never opened (its top button is never pressed nor crossed), so nothing can end the panel.
#
#   soak.sh YUNURI LEGAL_CAPTIONS      SOAK_SECONDS (default 600), SOAK_SEED (default: from the clock)
source "$(dirname "$0")/lib.sh"
CAPTIONS_TOOL=$(readlink -f "$2")
DURATION=${SOAK_SECONDS:-600}
SEED=${SOAK_SEED:-$(($(date +%s%N) % 32768))}
# Memory is judged from the end of the first minute (half the run when shorter): by then every picture the
# storm will ask for is painted and kept.
WARMUP=$((DURATION / 2 < 60 ? DURATION / 2 : 60))
GROWTH_LIMIT_KB=1024
RANDOM=$SEED
echo "seed $SEED (SOAK_SEED=$SEED repeats the storm), $DURATION s"

"$CAPTIONS_TOOL" >"$E2E_TMP/legal.txt"
[ -s "$E2E_TMP/legal.txt" ] || fail "no legal captions from $CAPTIONS_TOOL"
start_x
open_panel
dismiss_notice "$WID"
# Another client's window, to take the focus away from the panel (xmessage does not say its pid: found by title).
xmessage -title yunuri-soak-other -geometry +0+0 "soak" >/dev/null 2>&1 &
PIDS+=($!)
other=$(wait_window "" '^yunuri-soak-other$')

# The exit button (SWu(2), 339,3 49x49) with a margin: no press, release or drag goes there.
in_exit_button() { [ "$1" -ge 333 ] && [ "$1" -le 394 ] && [ "$2" -le 58 ]; }
random_point() {
  while :; do
    X=$((RANDOM % 400))
    Y=$((RANDOM % 300))
    in_exit_button "$X" "$Y" || return 0
  done
}
# A point left of or below the window (never above it: the way off must not cross the exit button).
off_window() {
  if [ $((RANDOM % 2)) = 0 ]; then
    OX=-$((20 + RANDOM % 60)) OY=$((60 + RANDOM % 240))
  else
    OX=$((RANDOM % 330)) OY=$((310 + RANDOM % 60))
  fi
}
pause() { sleep "0.$((RANDOM % 9 + 1))"; }
restore() { timeout 5 xdotool windowactivate --sync "$WID" >/dev/null 2>&1 || wmctrl -i -a "$WID"; }

restore
resident_kb() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$PANEL_PID/status"; }
declare -A seen=()
samples=()
last_check=-1
events=0
illegal=0
# Every second: the process lives, its caption is legal; its memory is noted.
check_second() {
  local now=$SECONDS c
  [ "$now" -gt "$last_check" ] || return 0
  last_check=$now
  kill -0 "$PANEL_PID" 2>/dev/null || fail "the panel ended after $events events (seed $SEED)"
  c=$(caption "$WID")
  if ! grep -qxF -- "$c" "$E2E_TMP/legal.txt"; then
    illegal=$((illegal + 1))
    echo "FAIL: caption not the panel's own at $now s: '$c'" >&2
  fi
  seen[$c]=$((${seen[$c]:-0} + 1))
  samples+=("$(resident_kb)")
}
# Memory once painting has rested and the painting thread has been let go (or 15 s have passed).
settled_kb() {
  local _
  xdotool mouseup 1 mouseup 2 mouseup 3 >/dev/null 2>&1 || true
  for _ in $(seq 30); do
    sleep 0.5
    grep -qx 'Thread (pooled)' /proc/"$PANEL_PID"/task/*/comm 2>/dev/null || break
  done
  resident_kb
}

one_event() {
  local kind=$((RANDOM % 100)) button=1
  random_point
  case $kind in
    [0-9] | [1-3][0-9]) # a left click
      xdotool mousemove --window "$WID" "$X" "$Y" click 1 ;;
    4[0-9]) # a right or a middle click
      [ $((RANDOM % 2)) = 0 ] && button=3 || button=2
      xdotool mousemove --window "$WID" "$X" "$Y" click "$button" ;;
    5[0-9] | 6[0-4]) # a hold, with any button, released where it was pressed
      button=$((RANDOM % 3 + 1))
      xdotool mousemove --window "$WID" "$X" "$Y" mousedown "$button"
      pause
      xdotool mouseup "$button" ;;
    6[5-9] | 7[0-4]) # a press dragged off the window and released there
      off_window
      xdotool mousemove --window "$WID" "$X" "$Y" mousedown 1
      pause
      xdotool mousemove --window "$WID" -- "$OX" "$OY"
      pause
      xdotool mouseup 1 ;;
    7[5-9] | 8[0-4]) # a press dragged off and back onto another point
      off_window
      xdotool mousemove --window "$WID" "$X" "$Y" mousedown 1 mousemove --window "$WID" -- "$OX" "$OY"
      random_point
      pause
      xdotool mousemove --window "$WID" "$X" "$Y" mouseup 1 ;;
    8[5-9]) # focus taken away mid-press
      xdotool mousemove --window "$WID" "$X" "$Y" mousedown 1
      pause
      xdotool windowactivate "$other" >/dev/null 2>&1 || true
      pause
      xdotool mouseup 1
      restore ;;
    9[0-4]) # minimised mid-press and restored
      xdotool mousemove --window "$WID" "$X" "$Y" mousedown 1
      pause
      xdotool windowminimize "$WID"
      pause
      xdotool mouseup 1
      restore ;;
    *) # a burst of quick clicks
      xdotool mousemove --window "$WID" "$X" "$Y" click --repeat $((RANDOM % 5 + 2)) --delay 30 1 ;;
  esac
  events=$((events + 1))
}

start_time=$SECONDS
baseline_kb=
while [ $((SECONDS - start_time)) -lt "$DURATION" ]; do
  one_event
  check_second
  if [ -z "$baseline_kb" ] && [ $((SECONDS - start_time)) -ge "$WARMUP" ]; then
    baseline_kb=$(settled_kb)
    echo "settled after ${WARMUP} s: $baseline_kb KiB"
  fi
done
final_kb=$(settled_kb)
check_second

# No press stays stuck: with every button up, MUTE and a send answer in turn, and MUTE toggles.
restore
# True when the caption is one of the lines of $1 and differs from $2; prints it.
caption_among() {
  local c
  c=$(caption "$WID")
  [ "$c" != "$2" ] && grep -qxF -- "$c" <<<"$1" && echo "$c" || { echo "caption stays '$c'"; return 1; }
}
mute_captions=$'ゆぬり～  室内の音声が消えました｡\nゆぬり～  音声MUTEが解除されました｡'
send_captions=$(grep -F -e "左側ｽｸﾘｰﾝ" -e "左側ﾌﾟﾛｼﾞｪｸﾀ電源" "$E2E_TMP/legal.txt")
click "$WID" mute
require "MUTE answers after the storm" within 5 caption_among "$mute_captions" ""
first=$(caption "$WID")
click "$WID" send_left
check "a send answers after the storm" within 5 caption_among "$send_captions" ""
click "$WID" mute
check "MUTE toggles back" within 5 caption_among "$mute_captions" "$first"

echo "events sent: $events"
echo "captions seen (seconds each):"
for c in "${!seen[@]}"; do printf '  %4d  %s\n' "${seen[$c]}" "$c"; done | sort -rn
echo "resident memory, KiB, one sample a second:"
printf '%s\n' "${samples[@]}" | awk '{ printf "%s%s", $1, NR % 10 ? " " : "\n" } END { if (NR % 10) print "" }'
growth=$((final_kb - baseline_kb))
echo "settled resident memory: $baseline_kb KiB after the first $WARMUP s, $final_kb KiB at the end ($growth KiB)"
check "every caption was the panel's own (${#seen[@]} different, $illegal not)" test "$illegal" -eq 0
check "resident memory grew by less than $GROWTH_LIMIT_KB KiB" test "$growth" -lt "$GROWTH_LIMIT_KB"
finish
