#!/usr/bin/env bash
# The pointers as the X server shows them, at the toolkit's scale 1 and 2: image size and hot spot on the drawn
# fingertip and fist. The zoom keys grow and shrink the window with the panel working in its own coordinates,
# and F11 fills the screen.
source "$(dirname "$0")/lib.sh"
CURSOR_IMAGE=${YUNURI_CURSOR_IMAGE:?set YUNURI_CURSOR_IMAGE to the cursor_image helper built with the tests}
start_x

# The pointer the server shows is "width height xhot yhot" $1, its column first opaque at most $2 below the hot
# spot.
pointer_shows() {
  local w h x y ink
  read -r w h x y ink <<<"$("$CURSOR_IMAGE")"
  [ "$w $h $x $y" = "$1" ] && [ "$ink" -ge 0 ] && [ "$ink" -le "$2" ] ||
    { echo "pointer: ${w}x$h hot ($x, $y) ink $ink; expected $1 ink <= $2" >&2; return 1; }
}
# The pointer over ($2, $3) of window $1 is $4 pixels square, hot at ($5, $6), with ink at most $7 below that.
pointer_is() {
  xdotool mousemove --window "$1" "$2" "$3"
  within 3 pointer_shows "$4 $4 $5 $6" "$7"
}

# Scale 1: the finger over the notice, the closed hand over the panel's own picture.
open_panel
check "finger at scale 1" pointer_is "$WID" 200 150 32 8 1 1
dismiss_notice "$WID"
check "fist at scale 1" pointer_is "$WID" 120 30 32 13 14 0

# Ctrl++ (typed as Ctrl+Shift+=) grows the window a step; the panel's buttons are where they are drawn.
xdotool key ctrl+plus
check "Ctrl++ grows to 500x425" wait_for size_is "$WID" 500 425
check "finger at 125 %" pointer_is "$WID" $((10 * 5 / 4 + 6)) $((60 * 5 / 4 + 6)) 40 10 1 2
click "$WID" $((175 * 5 / 4)) $((165 * 5 / 4)) # DVD/VTR at its scaled centre
check "a scaled click selects DVD/VTR" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
xdotool key ctrl+0
check "Ctrl+0 returns to 400x340" wait_for size_is "$WID" 400 340

# F11: the largest step that leaves the status line and the language button room on the 1024x768 screen
# (200 %), on a dark ground above the line; F11 again restores.
place() { xwininfo -id "$1" | sed -n 's/.*Absolute upper-left \([XY]\): *\(.*\)/\1\2/p' | tr '\n' ' '; }
windowed_at=$(place "$WID")
xdotool key F11
check "F11 fills the screen" wait_for size_is "$WID" 1024 768
# True when every pixel of the area x y w h of the window is as dark as the ground (the panel's own frame is
# lighter).
dark() {
  screenshot "$WID" "$E2E_TMP/full.png"
  area_rgb "$1" "$2" "$3" "$4" "$E2E_TMP/full.png" | awk '$1 > 30 || $2 > 30 || $3 > 30 { lit = 1 } END { exit lit }'
}
check "dark ground at the left" wait_for dark 0 0 12 768
check "dark ground below" dark 0 759 1024 9
check "the panel beside it" not dark 112 300 100 100
check "the caption under it" not dark 0 680 1024 88
xdotool key F11
check "F11 again returns to the window" wait_for size_is "$WID" 400 340
placed_at() { [ "$(place "$1")" = "$2" ]; }
check "where it was" wait_for placed_at "$WID" "$windowed_at"
kill "$PANEL_PID"
wait "$PANEL_PID" || true # its lock gone, the next copy is no second one

# Scale 2 (QT_SCALE_FACTOR): twice the pixels, the hot spots with them.
QT_SCALE_FACTOR=2 open_panel
check "800x680 at scale 2" size_is "$WID" 800 680
check "finger at scale 2" pointer_is "$WID" 400 300 64 16 2 2
click "$WID" 400 300
check "fist at scale 2" pointer_is "$WID" 240 60 64 26 28 0
finish
