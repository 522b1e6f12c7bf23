#!/usr/bin/env bash
# A real held mouse button ramps the volume to its top; a quick MUTE click turns the meter grey.
source "$(dirname "$0")/lib.sh"
start_x
launch
wid=$(wait_window "$PANEL_PID")
dismiss_notice "$wid"

# Pixels of the meter (MET, 328,219 15x77) in screenshot $1 that are the bar's orange, or its muted grey.
meter_pixels() {
  area_rgb 328 219 15 77 "$1" | awk -v want="$2" '
    want == "orange" && $1 > 200 && $2 > 90 && $2 < 170 && $3 < 60 { n++ }
    want == "grey" && $1 > 170 && $1 < 215 && $1 == $2 && $2 == $3 { n++ }
    END { print n + 0 }'
}
has_pixels() { [ "$(meter_pixels "$1" "$2")" -gt 0 ]; }
lacks_pixels() { [ "$(meter_pixels "$1" "$2")" -eq 0 ]; }

screenshot "$wid" "$E2E_TMP/start.png"
check "meter starts orange" has_pixels "$E2E_TMP/start.png" orange

# From 50 the level needs 50 ticks to reach 100 and one more to say so; hold for six seconds.
hold "$wid" $((349 + 16)) $((219 + 10))
check "held up reaches the top" wait_caption "$wid" "ゆぬり～  室内の音声が最大になりました｡" 8
let_go

click "$wid" $((349 + 16)) $((276 + 10)) # SWv(2), MUTE
check "mute caption" wait_caption "$wid" "ゆぬり～  室内の音声が消えました｡"
screenshot "$wid" "$E2E_TMP/muted.png"
check "muted meter has no orange" lacks_pixels "$E2E_TMP/muted.png" orange
check "muted meter is grey" has_pixels "$E2E_TMP/muted.png" grey
finish
