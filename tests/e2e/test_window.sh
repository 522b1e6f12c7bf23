#!/usr/bin/env bash
# What the window manager is told: a fixed, centred window without minimize or maximize; and a held button lets
# go when the window is minimised under the pointer.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")

# _MOTIF_WM_HINTS: flags, functions, decorations. Minimize is 0x08/0x20 and maximize 0x10/0x40 respectively.
motif_lacks_min_max() {
  local hints functions decorations
  hints=$(xprop -id "$wid" _MOTIF_WM_HINTS | sed 's/.*= //')
  IFS=', ' read -r _ functions decorations _ <<<"$hints"
  ((functions & 0x18)) && return 1
  ((decorations & 0x60)) && return 1
  return 0
}
not_allowed() { ! xprop -id "$wid" _NET_WM_ALLOWED_ACTIONS | grep -q "$1"; }
fixed_size() {
  local hints
  hints=$(xprop -id "$wid" WM_NORMAL_HINTS)
  grep -q "minimum size: 400 by 300" <<<"$hints" && grep -q "maximum size: 400 by 300" <<<"$hints"
}
# The frame, the client area with the extents the window manager put around it, is centred on the 1024x768
# screen within 2 px. Sums of both edges keep the halves of odd sizes.
centred() {
  local info x y left right top bottom
  info=$(xwininfo -id "$wid")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  IFS=', ' read -r left right top bottom <<<"$(xprop -id "$wid" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')"
  [ -n "$bottom" ] || return 1
  x=$((2 * x - left + 400 + right - 1024)) y=$((2 * y - top + 300 + bottom - 768))
  [ "${x#-}" -le 4 ] && [ "${y#-}" -le 4 ] || { echo "frame centre off by $x/2, $y/2" >&2; return 1; }
}
check "title" [ "$(caption "$wid")" = "ゆぬり～" ]
check "no minimize or maximize in the Motif hints" motif_lacks_min_max
check "not maximizable" not_allowed _NET_WM_ACTION_MAXIMIZE
check "not resizable" not_allowed _NET_WM_ACTION_RESIZE
check "fixed 400x300" fixed_size
check "frame centred" centred

dismiss_notice "$wid"
meter() { convert "$1" -crop 15x77+328+219 +repage rgb:- | md5sum; }
hold "$wid" $((349 + 16)) $((219 + 10)) # SWv(0), up
sleep 0.3
screenshot "$wid" "$E2E_TMP/a.png"
sleep 0.3
screenshot "$wid" "$E2E_TMP/b.png"
check "meter rises while held" [ "$(meter "$E2E_TMP/a.png")" != "$(meter "$E2E_TMP/b.png")" ]
xdotool windowminimize "$wid"
sleep 0.2
xdotool windowactivate "$wid" 2>/dev/null || xdotool windowmap "$wid"
sleep 0.2
screenshot "$wid" "$E2E_TMP/c.png"
sleep 0.4
screenshot "$wid" "$E2E_TMP/d.png"
let_go
check "meter stops once minimised" [ "$(meter "$E2E_TMP/c.png")" = "$(meter "$E2E_TMP/d.png")" ]
check "up button dark again" same_area 349 219 33 21 "$E2E_TMP/panel.png" "$E2E_TMP/d.png"
finish
