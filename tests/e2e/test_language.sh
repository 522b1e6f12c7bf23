#!/usr/bin/env bash
# --language en under real clicks: English captions, also on a Japanese system locale; Ctrl+L brings back the
# Japanese caption byte for byte.
source "$(dirname "$0")/lib.sh"
start_x
LANG=ja_JP.UTF-8 open_panel --language en
check "English title" wait_caption "$WID" "Yunuri"
dismiss_notice "$WID"

click "$WID" desktop_pc
check "English caption" wait_caption "$WID" "Yunuri  The monitor shows the desktop PC."
xdotool windowactivate --sync "$WID" key --window "$WID" ctrl+l
check "Japanese again after Ctrl+L" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"
xdotool key --window "$WID" ctrl+l
check "English again after a second Ctrl+L" wait_caption "$WID" "Yunuri  The monitor shows the desktop PC."
finish
