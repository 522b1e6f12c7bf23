#!/usr/bin/env bash
# The pointers as the X server shows them, at the toolkit's scale 1 and 2: image size and hot spot on the drawn
# fingertip and fist. The zoom keys grow and shrink the window with the panel working in its own coordinates,
# and F11 fills the screen.
source "$(dirname "$0")/lib.sh"
CURSOR_IMAGE=${YUNURI_CURSOR_IMAGE:?set YUNURI_CURSOR_IMAGE to the cursor_image helper built with the tests}
start_x

# Moves the pointer to client point ($2, $3) of window $1 and waits (at most 3 s) until the server shows a pointer
# of "width height xhot yhot" $4; prints what it shows then: "width height xhot yhot ink", where ink is how far
# below the hot spot its column is first opaque.
pointer_over() {
  local seen _
  xdotool mousemove --window "$1" "$2" "$3"
  for _ in $(seq 30); do
    seen=$("$CURSOR_IMAGE")
    [ "${seen% *}" = "$4" ] && break
    sleep 0.1
  done
  echo "$seen"
}
# The pointer over ($2, $3) of window $1 is $4 pixels square, hot at ($5, $6), with ink at most $7 below that.
pointer_is() {
  local want="$4 $4 $5 $6" w h x y ink
  read -r w h x y ink <<<"$(pointer_over "$1" "$2" "$3" "$want")"
  [ "$w $h $x $y" = "$want" ] && [ "$ink" -ge 0 ] && [ "$ink" -le "$7" ] ||
    { echo "pointer: ${w}x$h hot ($x, $y) ink $ink; expected ${4}x$4 hot ($5, $6) ink <= $7" >&2; return 1; }
}
size_is() { xwininfo -id "$1" | grep -q "Width: $2\$" && xwininfo -id "$1" | grep -q "Height: $3\$"; }
not() { ! "$@"; }
stop_panel() {
  kill "$PANEL_PID"
  wait "$PANEL_PID" 2>/dev/null || true
}

# Scale 1: the finger over the notice, the closed hand over the panel's own picture.
launch
wid=$(wait_window "$PANEL_PID")
check "finger at scale 1" pointer_is "$wid" 200 150 32 8 1 1
dismiss_notice "$wid"
check "fist at scale 1" pointer_is "$wid" 120 30 32 13 14 0

# Ctrl++ (typed as Ctrl+Shift+=) grows the window a step; the panel's buttons are where they are drawn.
xdotool key ctrl+plus
check "Ctrl++ grows to 500x375" wait_for size_is "$wid" 500 375
check "finger at 125 %" pointer_is "$wid" $((10 * 5 / 4 + 6)) $((60 * 5 / 4 + 6)) 40 10 1 2
click "$wid" $(((137 + 38) * 5 / 4)) $(((156 + 9) * 5 / 4)) # SWm(6) at its scaled centre
check "a scaled click selects DVD/VTR" wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
xdotool key ctrl+0
check "Ctrl+0 returns to 400x300" wait_for size_is "$wid" 400 300

# F11: the largest step that leaves the status line room on the 1024x768 screen (200 %), centred on a dark
# ground above the line; F11 again restores.
place() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left \([XY]\): *\(.*\)/\1\2/p' | tr '\n' ' '; }
windowed_at=$(place "$wid")
xdotool key F11
check "F11 fills the screen" wait_for size_is "$wid" 1024 768
# True when every pixel of the area x y w h of the window is as dark as the ground (the panel's own frame is
# lighter).
dark() {
  screenshot "$wid" "$E2E_TMP/full.png"
  area_rgb "$1" "$2" "$3" "$4" "$E2E_TMP/full.png" | awk '$1 > 30 || $2 > 30 || $3 > 30 { lit = 1 } END { exit lit }'
}
check "dark ground at the left" wait_for dark 0 0 12 768
check "dark ground below" dark 0 759 1024 9
check "the panel beside it" not dark 112 300 100 100
check "the caption under it" not dark 112 660 800 100
xdotool key F11
check "F11 again returns to the window" wait_for size_is "$wid" 400 300
placed_at() { [ "$(place "$1")" = "$2" ]; }
check "where it was" wait_for placed_at "$wid" "$windowed_at"
stop_panel

# Scale 2 (QT_SCALE_FACTOR): twice the pixels, the hot spots with them.
export QT_SCALE_FACTOR=2
launch
unset QT_SCALE_FACTOR
wid=$(wait_window "$PANEL_PID")
check "800x600 at scale 2" size_is "$wid" 800 600
check "finger at scale 2" pointer_is "$wid" 400 300 64 16 2 2
click "$wid" 400 300
check "fist at scale 2" pointer_is "$wid" 240 60 64 26 28 0
finish
