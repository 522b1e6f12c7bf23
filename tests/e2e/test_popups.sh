#!/usr/bin/env bash
# Real clicks: a source selection writes its caption, and the projector power popup drops into view.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
dismiss_notice "$WID"

click "$WID" desktop_pc
check "source caption" wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"
check "projector popup drops in" open_popup "$WID" projector_power power_popup
# The popup lies over the source buttons it covers: their part of the window no longer looks as before.
check "popup covers the panel" not_same_area 109 60 91 40 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
check "rest of the panel untouched" same_area 300 60 40 40 "$E2E_TMP/closed.png" "$E2E_TMP/open.png"
finish
