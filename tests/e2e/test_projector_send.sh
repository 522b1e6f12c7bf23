#!/usr/bin/env bash
# The left projector switched off with real clicks: its power popup drops in over the panel, a send to the
# cooling projector is refused, and the cool-down ends with its own message.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
dismiss_notice "$WID"

require "projector popup drops in" open_popup "$WID" projector_power power_popup
# The popup lies over the source buttons it covers: their part of the window no longer looks as before.
check "popup covers the panel" not same_area 109 60 91 40 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
check "rest of the panel untouched" same_area 300 60 40 40 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
click "$WID" left_power_off
check "left projector switching off" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"
click "$WID" send_left
check "send refused" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"
# The cool-down takes 99 ticks, about ten seconds.
check "cool-down ends" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡" 15
finish
