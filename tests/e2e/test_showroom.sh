#!/usr/bin/env bash
# Showroom mode on a real X server: --kiosk fills the screen with the caption as a status line under the panel,
# --idle-reset brings the notice back after a while without a press, and the program ends cleanly, status 0 and
# no lock left, by the exhibitor's Ctrl+Alt+Q and by SIGTERM, SIGINT and SIGHUP.
source "$(dirname "$0")/lib.sh"
start_x

launch_with() {
  "$YUNURI_BIN" "$@" >"$E2E_TMP/panel.log" 2>&1 &
  PANEL_PID=$!
  PIDS+=("$PANEL_PID")
}
size_is() { xwininfo -id "$1" | grep -q "Width: $2\$" && xwininfo -id "$1" | grep -q "Height: $3\$"; }
# The 1024x768 screen holds the panel at 200 %, its corner at (112, 52), centred above the status line's band.
click_panel() { click "$wid" $((112 + $1 * 2)) $((52 + $2 * 2)); }
# True when some pixel of the area x y w h of screenshot $5 is lighter than the dark ground.
lit() { area_rgb "$1" "$2" "$3" "$4" "$5" | awk '$1 > 60 || $2 > 60 || $3 > 60 { lit = 1 } END { exit !lit }'; }
panel_as_at_start() {
  screenshot "$wid" "$E2E_TMP/now.png"
  same_area 112 52 800 600 "$E2E_TMP/start.png" "$E2E_TMP/now.png"
}

# Three seconds: short for a test, long enough that a loaded machine's slow screenshots do not see the panel
# start again before the press has been checked.
launch_with --kiosk --idle-reset 3
wid=$(wait_window "$PANEL_PID")
wait_for size_is "$wid" 1024 768 || fail "--kiosk did not fill the screen"
wait_caption "$wid" "ゆぬり～"
screenshot "$wid" "$E2E_TMP/start.png"
lit 112 660 800 100 "$E2E_TMP/start.png" || fail "no status line under the panel"
pass "--kiosk fills the screen, the caption under the panel"

click_panel 200 150
wait_area_changed "$wid" $((112 + 4 * 2)) $((52 + 85 * 2)) 182 424 "$E2E_TMP/start.png" "$E2E_TMP/panel.png"
click_panel 175 165 # SWm(6), DVD/VTR
wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
wait_area_changed "$wid" 0 652 1024 116 "$E2E_TMP/start.png" "$E2E_TMP/line.png"
pass "a press shows its caption in the status line"

wait_caption "$wid" "ゆぬり～" 5
wait_for panel_as_at_start || fail "two seconds without a press did not bring the panel back to its start"
pass "after --idle-reset 3 the notice is back"

xdotool key ctrl+alt+q
expect_clean_exit "$PANEL_PID" 5 "Ctrl+Alt+Q"
[ -z "$(leftovers)" ] || fail "left behind after Ctrl+Alt+Q: $(leftovers)"
pass "Ctrl+Alt+Q ends with status 0 and leaves nothing in the runtime directory"

for signal in TERM INT HUP; do
  if [ "$signal" = TERM ]; then launch_with --kiosk; else launch_with; fi
  wait_window "$PANEL_PID" >/dev/null
  kill -s "$signal" "$PANEL_PID"
  expect_clean_exit "$PANEL_PID" 5 "SIG$signal"
  [ -z "$(leftovers)" ] || fail "left behind after SIG$signal: $(leftovers)"
  [ ! -s "$E2E_TMP/panel.log" ] || fail "SIG$signal: $(cat "$E2E_TMP/panel.log")"
done
pass "SIGTERM, SIGINT and SIGHUP end with status 0 and leave nothing in the runtime directory"
summary
