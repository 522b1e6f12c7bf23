#!/usr/bin/env bash
# Real clicks: a source selection writes its caption, and the projector power popup drops into view.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")
dismiss_notice "$wid"

click "$wid" $((208 + 38)) $((36 + 9)) # SWm(1), desktop PC
check "source caption" wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"

screenshot "$wid" "$E2E_TMP/closed.png"
click "$wid" $((157 + 38)) $((5 + 9)) # SWu(0), プロジェクタ電源
check "projector popup drops in" \
  wait_area_settled "$wid" 109 26 91 210 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
# The popup lies over the source buttons it covers: their part of the window no longer looks as before.
check "popup covers the panel" not_same_area 109 60 91 40 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
check "rest of the panel untouched" same_area 300 60 40 40 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
finish
