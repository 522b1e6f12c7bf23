#!/usr/bin/env bash
# --language en under real clicks: English captions, also on a Japanese system locale; Ctrl+L brings back the
# Japanese caption byte for byte.
source "$(dirname "$0")/lib.sh"
start_x
LANG=ja_JP.UTF-8 "$YUNURI_BIN" --language en >"$E2E_TMP/panel.log" 2>&1 &
PANEL_PID=$!
PIDS+=("$PANEL_PID")
wid=$(wait_window "$PANEL_PID")
check "English title" wait_caption "$wid" "Yunuri"
dismiss_notice "$wid"

click "$wid" $((208 + 38)) $((36 + 9)) # SWm(1), the desktop PC
check "English caption" wait_caption "$wid" "Yunuri  The monitor shows Desktop PC."

xdotool windowactivate --sync "$wid" key --window "$wid" ctrl+l
check "Japanese again after Ctrl+L" wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"

xdotool key --window "$wid" ctrl+l
check "English again after a second Ctrl+L" wait_caption "$wid" "Yunuri  The monitor shows Desktop PC."
finish
