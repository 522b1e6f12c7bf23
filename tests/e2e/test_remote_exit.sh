#!/usr/bin/env bash
# The DVD/VTR remote slides in and plays on a real click; releasing 終了実行 ends the program with status 0.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")
dismiss_notice "$wid"

click "$wid" $((137 + 38)) $((156 + 9)) # SWm(6), DVD/VTR
check "source caption" wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
check "remote slides in" wait_area_settled "$wid" 4 85 91 212 "$E2E_TMP/panel.png" "$E2E_TMP/remote.png"

click "$wid" $((4 + 9 + 16)) $((85 + 95 + 10)) # SWr1(6), play
check "play caption" wait_caption "$wid" "ゆぬり～  ｢DVD/VTR｣が再生を開始しました｡"

screenshot "$wid" "$E2E_TMP/closed.png"
click "$wid" $((339 + 24)) $((3 + 24)) # SWu(2), 終了
check "exit confirmation drops in" \
  wait_area_settled "$wid" 300 53 91 198 "$E2E_TMP/closed.png" "$E2E_TMP/confirm.png"

hold "$wid" $((300 + 29 + 16)) $((53 + 134 + 10)) # SWp3(0), 終了実行
# The press has been handled once the key shows lit; a program that ended on it would never show that.
wait_area_changed "$wid" $((300 + 29)) $((53 + 134)) 33 21 "$E2E_TMP/confirm.png" "$E2E_TMP/held.png"
kill -0 "$PANEL_PID" 2>/dev/null || fail "the program ended on the press; it must wait for the release"
let_go
wait_exit "$PANEL_PID" >"$E2E_TMP/status" # not in a subshell: only this shell can collect the status
check "ended with status 0" [ "$(cat "$E2E_TMP/status")" = 0 ]
finish
