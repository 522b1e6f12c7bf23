#!/usr/bin/env bash
# The real window appears with its title and a 400 x 300 client; a real click dismisses the notice.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")
[ "$(caption "$wid")" = "ゆぬり～" ] || fail "title is '$(caption "$wid")'"
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "400x300" ] || fail "client is $geometry"

screenshot "$wid" "$E2E_TMP/notice.png"
# The notice is up: clicking where the DVD/VTR source lies must not select it.
click "$wid" 175 165
sleep 0.3
[ "$(caption "$wid")" = "ゆぬり～" ] || fail "a click on the notice wrote '$(caption "$wid")'"
click "$wid" 175 165
wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
echo "1 passed, 0 failed"
