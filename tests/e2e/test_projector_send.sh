#!/usr/bin/env bash
# Switching the left projector off with real clicks: a send to the cooling projector is refused, and the
# cool-down ends with its own message.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
dismiss_notice "$WID"

require "projector popup drops in" open_popup "$WID" projector_power power_popup
click "$WID" left_power_off
check "left projector switching off" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"
click "$WID" send_left
check "send refused" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"
# The cool-down takes 99 ticks, about ten seconds.
check "cool-down ends" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡" 15
finish
