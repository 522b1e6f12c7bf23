#!/usr/bin/env bash
# One panel per user: a second launch is refused with the CAUTION box and leaves the first alone; a killed
# copy never blocks the next launch; two launches at once give one panel; every normal end leaves nothing.
source "$(dirname "$0")/lib.sh"
start_x

readonly TITLE='^ゆぬり～' CAUTION='^CAUTION!!$'
looks_drawn() { [ "$(convert "$1" -format '%k' info:)" -gt 8 ]; }

# A second copy while the first runs, hidden under another window: the first comes to the front, the CAUTION
# box over it is the active window and stays so, and Return closes the box; nothing of the second is left.
open_panel
first=$PANEL_PID wid=$WID
lock="$XDG_RUNTIME_DIR/yunuri.lock"
require "the running panel holds a lock" test -f "$lock"
# However long the first copy has run, its lock holds.
touch -d '1 day ago' "$lock"
xmessage -geometry 700x600+0+0 -title cover cover >/dev/null 2>&1 &
cover_pid=$!
PIDS+=("$cover_pid")
cover=$(wait_window '' '^cover$')
# Client windows bottom to top; true when window $1 is above window $2.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' | xargs -n1 printf '%d\n'; }
above() { [ "$(stacking | grep -nx "$1" | cut -d: -f1)" -gt "$(stacking | grep -nx "$2" | cut -d: -f1)" ]; }
active_is() { [ "$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //' | xargs printf '%d')" = "$1" ]; }
require "the cover hides the panel" wait_for above "$cover" "$wid"
launch
box=$(wait_window "$PANEL_PID" "$CAUTION")
screenshot "$box" "$E2E_TMP/caution.png"
check "a second launch shows the CAUTION box" looks_drawn "$E2E_TMP/caution.png"
check "and no panel" test -z "$(windows_titled "$PANEL_PID" "$TITLE")"
check "the running panel comes to the front" above "$wid" "$cover"
check "the CAUTION box is the active window" wait_for active_is "$box"
# The running panel's activation, were it to come late, would arrive within moments of the box's.
check "and stays so" keeps_for 1500 active_is "$box"
xdotool key Return
check "Return in the CAUTION box ends the second copy" ends_cleanly "$PANEL_PID" 5
kill "$cover_pid"
check "the first copy's window stays" test "$(wait_window "$first")" = "$wid"
check "with its caption" caption_is "$wid" "ゆぬり～"
dismiss_notice "$wid"
click "$wid" dvd_vtr
check "and it still answers clicks" wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"

# The end from the exit confirmation: status 0 and the lock is gone.
require "the exit confirmation drops in" open_popup "$wid" exit exit_popup
click "$wid" execute_exit
check "「終了実行」 ends with status 0 and leaves nothing in the runtime directory" ends_leaving_nothing "$first" 3

# A copy killed outright leaves its lock behind; the next launch takes it over.
open_panel
{ kill -9 "$PANEL_PID" && wait "$PANEL_PID"; } 2>/dev/null || true
require "the killed copy's lock stays" test -n "$(leftovers)"
open_panel
check "after kill -9 the next launch starts normally" test -z "$(windows_titled "$PANEL_PID" "$CAUTION")"

# The dead copy's process id now belongs to another program: that is no running panel either.
{ kill -9 "$PANEL_PID" && wait "$PANEL_PID"; } 2>/dev/null || true
sleep infinity & # any process at all, alive for the rest of the test
PIDS+=($!)
sed -i "1s/.*/$!/" "$lock"
open_panel
check "a dead copy's lock naming a reused process id does not refuse the launch" \
  test -z "$(windows_titled "$PANEL_PID" "$CAUTION")"
close_from_frame "$WID"
check "the frame close ends with status 0 and leaves nothing" ends_leaving_nothing "$PANEL_PID" 3

# Two launches at the same instant, a few times over: one panel and one CAUTION box each time. Each copy shows
# one window, decided before it shows anything: its panel, or the CAUTION box.
for round in 1 2 3; do
  launch
  a=$PANEL_PID
  launch
  b=$PANEL_PID
  wait_window "$a" >/dev/null
  wait_window "$b" >/dev/null
  panels=$( (windows_titled "$a" "$TITLE"; windows_titled "$b" "$TITLE") | wc -l)
  boxes=$( (windows_titled "$a" "$CAUTION"; windows_titled "$b" "$CAUTION") | wc -l)
  require "round $round: one panel and one CAUTION box" test "$panels $boxes" = "1 1"
  if [ -n "$(windows_titled "$a" "$TITLE")" ]; then winner=$a loser=$b; else winner=$b loser=$a; fi
  # The winner's panel, mapped after the loser's box, must not take the keyboard from it.
  box=$(windows_titled "$loser" "$CAUTION" | head -1)
  check "round $round: the CAUTION box is the active window and stays so" \
    eval 'wait_for active_is "$box" && keeps_for 1000 active_is "$box"'
  xdotool key Return
  check "round $round: Return in the CAUTION box" ends_cleanly "$loser" 5
  close_from_frame "$(windows_titled "$winner" "$TITLE" | head -1)"
  check "round $round: the frame close leaves nothing" ends_leaving_nothing "$winner" 3
done
finish
