#!/usr/bin/env bash
# The real window appears with its title and a 400 x 300 client; a real click dismisses the notice.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")
[ "$(caption "$wid")" = "ゆぬり～" ] || fail "title is '$(caption "$wid")'"
geometry=$(xdotool getwindowgeometry "$wid" | sed -n 's/.*Geometry: //p')
[ "$geometry" = "400x300" ] || fail "client is $geometry"

# The notice is up: clicking where the DVD/VTR source lies takes the notice away and does not select the
# source. The caption would have changed with the same click; the notice gone, it is known not to have.
dismiss_notice "$wid" 175 165
[ "$(caption "$wid")" = "ゆぬり～" ] || fail "a click on the notice wrote '$(caption "$wid")'"
click "$wid" 175 165
wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
echo "1 passed, 0 failed"
