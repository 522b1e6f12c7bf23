#!/usr/bin/env bash
# What the window manager is told: a fixed, centred window without minimize or maximize; and a held button lets
# go when the window is minimised under the pointer.
source "$(dirname "$0")/lib.sh"
start_x
open_panel

# _MOTIF_WM_HINTS: flags, functions, decorations. Minimize is 0x08/0x20 and maximize 0x10/0x40 respectively.
motif_lacks_min_max() {
  local hints functions decorations
  hints=$(xprop -id "$WID" _MOTIF_WM_HINTS | sed 's/.*= //')
  IFS=', ' read -r _ functions decorations _ <<<"$hints"
  ((functions & 0x18)) && return 1
  ((decorations & 0x60)) && return 1
  return 0
}
not_allowed() { ! xprop -id "$WID" _NET_WM_ALLOWED_ACTIONS | grep -q "$1"; }
fixed_size() {
  local hints
  hints=$(xprop -id "$WID" WM_NORMAL_HINTS)
  grep -q "minimum size: 400 by $1" <<<"$hints" && grep -q "maximum size: 400 by $1" <<<"$hints"
}
# The frame, the client area with the extents the window manager put around it, is centred on the 1024x768
# screen within 2 px. Sums of both edges keep the halves of odd sizes.
centred() {
  local info x y left right top bottom
  info=$(xwininfo -id "$WID")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  IFS=', ' read -r left right top bottom <<<"$(xprop -id "$WID" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')"
  [ -n "$bottom" ] || return 1
  x=$((2 * x - left + 400 + right - 1024)) y=$((2 * y - top + 340 + bottom - 768))
  [ "${x#-}" -le 4 ] && [ "${y#-}" -le 4 ] || { echo "frame centre off by $x/2, $y/2" >&2; return 1; }
}
check "no minimize or maximize in the Motif hints" motif_lacks_min_max
check "not maximizable" not_allowed _NET_WM_ACTION_MAXIMIZE
check "not resizable" not_allowed _NET_WM_ACTION_RESIZE
check "fixed 400x340, the panel and its status strip" fixed_size 340
check "frame centred" centred

# F9 hides the strip, and the next launch remembers it; an option decides for its launch.
xdotool windowactivate --sync "$WID" key --window "$WID" F9
check "F9 hides the strip" wait_for fixed_size 300
kill "$PANEL_PID"
wait "$PANEL_PID" || true
open_panel
check "the next launch remembers it" fixed_size 300
kill "$PANEL_PID"
wait "$PANEL_PID" || true
open_panel --status-line
check "--status-line shows it" fixed_size 340

dismiss_notice "$WID"
# An area of the window as in screenshot $2.
looks_as_in() { screenshot "$WID" "$E2E_TMP/now.png" && same_area "$1" "$2" "$E2E_TMP/now.png"; }

hold "$WID" volume_up
rising() {
  wait_area_changed "$WID" "$E2E_TMP/panel.png" "$E2E_TMP/rising.png" meter &&
    wait_area_changed "$WID" "$E2E_TMP/rising.png" "$E2E_TMP/risen.png" meter
}
check "meter rises while held, step after step" rising
xdotool windowminimize --sync "$WID"
xdotool windowactivate --sync "$WID" 2>/dev/null || xdotool windowmap --sync "$WID"
# Dark again while the mouse button is still down, and below the top: a press never let go would darken the
# button too on reaching the top, and the caption would say so.
let_go_below_top() {
  looks_as_in volume_up "$E2E_TMP/panel.png" && caption_is "$WID" "ゆぬり～  室内の音声が大きくなりました｡"
}
check "up button dark again while the mouse button is still down" wait_for let_go_below_top
# The ramp moves the meter every tick; no later event would show a tick that still moved it, so the meter is
# watched for six ticks.
screenshot "$WID" "$E2E_TMP/stopped.png"
check "meter stops once minimised" keeps_for 600 looks_as_in meter "$E2E_TMP/stopped.png"
let_go
finish
