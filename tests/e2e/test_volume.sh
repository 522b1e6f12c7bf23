#!/usr/bin/env bash
# A real held mouse button ramps the volume to its top; a quick MUTE click turns the meter grey.
source "$(dirname "$0")/lib.sh"
start_x
open_panel
dismiss_notice "$WID"

# Some pixels of the meter in screenshot $1 are the bar's orange, or its muted grey ($2); with $3 = none, none.
meter_has() {
  read -r x y w h <<<"${AREA[meter]}"
  area_rgb "$x" "$y" "$w" "$h" "$1" | awk -v want="$2" -v none="${3:-}" '
    want == "orange" && $1 > 200 && $2 > 90 && $2 < 170 && $3 < 60 { n++ }
    want == "grey" && $1 > 170 && $1 < 215 && $1 == $2 && $2 == $3 { n++ }
    END { exit none == "none" ? n > 0 : n == 0 }'
}
check "meter starts orange" meter_has "$E2E_TMP/panel.png" orange

# From 50 the level needs 50 ticks to reach 100 and one more to say so; hold for six seconds.
hold "$WID" volume_up
check "held up reaches the top" wait_caption "$WID" "ゆぬり～  室内の音声が最大になりました｡" 8
let_go

click "$WID" mute
check "mute caption" wait_caption "$WID" "ゆぬり～  室内の音声が消えました｡"
screenshot "$WID" "$E2E_TMP/muted.png"
check "muted meter has no orange" meter_has "$E2E_TMP/muted.png" orange none
check "muted meter is grey" meter_has "$E2E_TMP/muted.png" grey
finish
