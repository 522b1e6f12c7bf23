#!/usr/bin/env bash
# The real window appears with its title and a 400 x 340 client (the panel and the status strip); a real click dismisses the notice.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
check "title" caption_is "$WID" "ゆぬり～"
client_is() { [ "$(xdotool getwindowgeometry "$WID" | sed -n 's/.*Geometry: //p')" = 400x340 ]; }
check "a 400x340 client" client_is

# The notice is up: clicking where the DVD/VTR source lies takes the notice away and does not select the
# source. The caption would have changed with the same click; the notice gone, it is known not to have.
dismiss_notice "$WID" dvd_vtr
check "a click on the notice selects nothing" caption_is "$WID" "ゆぬり～"
click "$WID" dvd_vtr
check "the next click selects" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
finish
