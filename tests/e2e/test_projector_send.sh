#!/usr/bin/env bash
# Switching the left projector off with real clicks: a send to the cooling projector is refused, and the
# cool-down ends with its own message.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")
dismiss_notice "$wid"

screenshot "$wid" "$E2E_TMP/closed.png"
click "$wid" $((157 + 38)) $((5 + 9)) # SWu(0), プロジェクタ電源
check "projector popup drops in" \
  wait_area_settled "$wid" 109 26 91 210 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"

click "$wid" $((109 + 49 + 16)) $((26 + 64 + 10)) # SWp1(1), left 電源 OFF
check "left projector switching off" wait_caption "$wid" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"

click "$wid" $((306 + 19)) $((90 + 19)) # SWs(0), send to the left screen
check "send refused" wait_caption "$wid" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀ電源がONしていません｡"
# The cool-down takes 99 ticks, about ten seconds.
check "cool-down ends" wait_caption "$wid" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡" 15
finish
