#!/usr/bin/env bash
# Showroom mode on a real X server: --kiosk fills the screen with the caption as a status line under the panel,
# --idle-reset brings the notice back after a while without a press, and the program ends cleanly, status 0 and
# no lock left, by the exhibitor's Ctrl+Alt+Q and by SIGTERM, SIGINT and SIGHUP.
source "$(dirname "$0")/lib.sh"
start_x

# The 1024x768 screen holds the panel at 200 %, its corner at (112, 72): centred across, and above the status
# line's band low enough to leave the language button its corner.
click_panel() { click "$WID" $((112 + $1 * 2)) $((72 + $2 * 2)); }
# True when some pixel of the area x y w h of screenshot $5 is lighter than the dark ground.
lit() { area_rgb "$1" "$2" "$3" "$4" "$5" | awk '$1 > 60 || $2 > 60 || $3 > 60 { lit = 1 } END { exit !lit }'; }
panel_as_at_start() {
  screenshot "$WID" "$E2E_TMP/now.png" && same_area 112 72 800 600 "$E2E_TMP/start.png" "$E2E_TMP/now.png"
}

# Three seconds: short for a test, long enough that a loaded machine's slow screenshots do not see the panel
# start again before the press has been checked.
open_panel --kiosk --idle-reset 3
require "--kiosk fills the screen" wait_for size_is "$WID" 1024 768
wait_caption "$WID" "ゆぬり～"
screenshot "$WID" "$E2E_TMP/start.png"
check "the caption is a status line under the panel" lit 112 680 800 80 "$E2E_TMP/start.png"
check "the language button in the top right corner" lit 980 20 30 30 "$E2E_TMP/start.png"
click "$WID" 990 36
check "the button switches to English" wait_caption "$WID" "Yunuri"
click "$WID" 990 36
check "and back" wait_caption "$WID" "ゆぬり～"

click_panel 200 150
wait_area_changed "$WID" "$E2E_TMP/start.png" "$E2E_TMP/panel.png" $((112 + 4 * 2)) $((72 + 85 * 2)) 182 424
click_panel 175 165 # DVD/VTR
check "a press writes its caption" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
check "the status line shows it" wait_area_changed "$WID" "$E2E_TMP/start.png" "$E2E_TMP/line.png" 0 672 1024 96

check "after --idle-reset 3 the caption is back to the title" wait_caption "$WID" "ゆぬり～" 5
check "and the notice is back" wait_for panel_as_at_start

xdotool key ctrl+alt+q
check "Ctrl+Alt+Q ends with status 0, leaving nothing" ends_leaving_nothing "$PANEL_PID" 5
for signal in TERM INT HUP; do
  if [ "$signal" = TERM ]; then open_panel --kiosk; else open_panel; fi
  kill -s "$signal" "$PANEL_PID"
  check "SIG$signal ends with status 0, leaving nothing" ends_leaving_nothing "$PANEL_PID" 5
  check "SIG$signal: not a word" silent "$PANEL_LOG"
done
finish
