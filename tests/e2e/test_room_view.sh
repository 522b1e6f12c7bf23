#!/usr/bin/env bash
# The room's own window: --room-view opens it beside the panel's on a screen with room for both, it follows a
# real click on the panel, leaves the panel's window as it was, and closes with it.
source "$(dirname "$0")/lib.sh"
start_x 1920x1080
launch --room-view
ROOM=$(wait_window "$PANEL_PID" "教室")
# The panel's window is the other one (a title to match would match the room's too).
WID=$(windows_titled "$PANEL_PID" | grep -vx "$ROOM" | head -1)
[ -n "$WID" ] || fail "no panel beside the room's window"

# Left, top, right and bottom of window $1's frame.
frame_of() {
  local info x y left right top bottom
  info=$(xwininfo -id "$1")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  IFS=', ' read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')"
  echo "$((x - left)) $((y - top)) $((x + $2 + right)) $((y + $3 + bottom))"
}
beside() {
  local p r
  read -r -a p <<<"$(frame_of "$WID" 400 340)"
  read -r -a r <<<"$(frame_of "$ROOM" 400 340)"
  [ "${r[0]}" -ge "${p[2]}" ] || [ "${r[2]}" -le "${p[0]}" ] || { echo "panel ${p[*]}, room ${r[*]}" >&2; return 1; }
}
check "the room's window is titled for the program and the room" caption_is "$ROOM" "ゆぬり～  教室"
check "it is 400x340, the picture and its status line" size_is "$ROOM" 400 340
check "it stands beside the panel" wait_for beside
check "the panel's window stays 400x340" size_is "$WID" 400 340
check "the panel's caption stays the panel's" caption_is "$WID" "ゆぬり～"

dismiss_notice "$WID"
click "$WID" dvd_vtr
wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
# Changes of the monitor are painted by now: what follows is the send alone, on the left screen (its place
# in the picture, as assets::roomPart gives it).
screenshot "$ROOM" "$E2E_TMP/room-before.png"
click "$WID" send_left
check "a send is shown in the room's window" \
  wait_area_changed "$ROOM" "$E2E_TMP/room-before.png" "$E2E_TMP/room-after.png" 26 40 164 114

close_from_frame "$WID"
check "the program ends with the panel" ends_cleanly "$PANEL_PID" 5
check "and takes the room's window with it" not has_window "" "教室"
finish
