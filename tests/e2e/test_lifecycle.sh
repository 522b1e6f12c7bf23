#!/usr/bin/env bash
# One panel per user: a second launch is refused with the CAUTION box and leaves the first alone; a killed
# copy never blocks the next launch; two launches at once give one panel; every normal end leaves nothing.
source "$(dirname "$0")/lib.sh"
start_x

readonly TITLE='ゆぬり～'
readonly CAUTION='^CAUTION!!$'
readonly NOTICE_X=200 NOTICE_Y=150
readonly DVD_VTR_X=175 DVD_VTR_Y=165
readonly EXIT_TOP_BUTTON_X=363 EXIT_TOP_BUTTON_Y=27
readonly EXECUTE_EXIT_X=345 EXECUTE_EXIT_Y=197

panel_windows() { windows_titled "$1" "^$TITLE"; }

# A second copy while the first runs: the CAUTION box, then after Return nothing of it is left.
launch
first=$PANEL_PID
wid=$(wait_window "$first")
lock=$(leftovers)
[ -n "$lock" ] || fail "the running panel holds no lock"
# However long the first copy has run, its lock holds.
touch -d '1 day ago' "$lock"
launch_named second
second=$LAUNCHED_PID
box=$(wait_titled "$second" "$CAUTION")
[ -z "$(panel_windows "$second")" ] || fail "the refused copy showed a panel"
screenshot "$box" "$E2E_TMP/caution.png"
colours=$(convert "$E2E_TMP/caution.png" -format '%k' info:)
[ "$colours" -gt 8 ] || fail "the CAUTION box looks empty ($colours colours)"
pass "a second launch shows the CAUTION box and no panel"

xdotool windowactivate --sync "$box" key Return
expect_clean_exit "$second" 5 "OK in the CAUTION box"
[ "$(wait_window "$first")" = "$wid" ] || fail "the first copy's window changed"
[ "$(caption "$wid")" = "$TITLE" ] || fail "the first copy's caption changed to '$(caption "$wid")'"
dismiss_notice "$wid" "$NOTICE_X" "$NOTICE_Y"
click "$wid" "$DVD_VTR_X" "$DVD_VTR_Y"
wait_caption "$wid" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡"
pass "after OK the second copy is gone and the first still answers clicks"

# The end from the exit confirmation: status 0 and the lock is gone.
screenshot "$wid" "$E2E_TMP/before-exit.png"
click "$wid" "$EXIT_TOP_BUTTON_X" "$EXIT_TOP_BUTTON_Y"
# The confirmation (POP2, 91x198 at rest at 300,53) covers its lowest rows only once it has come to rest.
wait_area_settled "$wid" 300 241 91 10 "$E2E_TMP/before-exit.png" "$E2E_TMP/confirm.png"
click "$wid" "$EXECUTE_EXIT_X" "$EXECUTE_EXIT_Y"
expect_clean_exit "$first" 3 "「終了実行」"
[ -z "$(leftovers)" ] || fail "left behind after 「終了実行」: $(leftovers)"
pass "「終了実行」 ends with status 0 and leaves nothing in the runtime directory"

# A copy killed outright leaves its lock behind; the next launch takes it over.
launch
killed=$PANEL_PID
wait_window "$killed" >/dev/null
{ kill -9 "$killed" && wait "$killed"; } 2>/dev/null || true
[ -n "$(leftovers)" ] || fail "expected the killed copy's lock to stay"
launch
wid=$(wait_window "$PANEL_PID")
[ -z "$(windows_titled "$PANEL_PID" "$CAUTION")" ] || fail "a dead copy's lock refused the launch"
pass "after kill -9 the next launch starts normally"

# The dead copy's process id now belongs to another program: that is no running panel either.
{ kill -9 "$PANEL_PID" && wait "$PANEL_PID"; } 2>/dev/null || true
sleep infinity & # any process at all, alive for the rest of the test
impostor=$!
PIDS+=("$impostor")
sed -i "1s/.*/$impostor/" "$lock"
launch
wid=$(wait_window "$PANEL_PID")
pass "a dead copy's lock naming a reused process id does not refuse the launch"

close_from_frame "$wid"
expect_clean_exit "$PANEL_PID" 3 "the frame close"
[ -z "$(leftovers)" ] || fail "left behind after the frame close: $(leftovers)"
pass "the frame close ends with status 0 and leaves nothing in the runtime directory"

# Two launches at the same instant, a few times over: one panel and one CAUTION box each time.
for round in 1 2 3; do
  launch_named "a$round"
  a=$LAUNCHED_PID
  launch_named "b$round"
  b=$LAUNCHED_PID
  # Each copy shows one window, decided before it shows anything: its panel, or the CAUTION box.
  for i in $(seq 100); do
    [ -n "$(windows_titled "$a" .)" ] && [ -n "$(windows_titled "$b" .)" ] && break
    sleep 0.1
  done
  panels=$( (panel_windows "$a"; panel_windows "$b") | wc -l)
  boxes=$( (windows_titled "$a" "$CAUTION"; windows_titled "$b" "$CAUTION") | wc -l)
  [ "$panels" = 1 ] && [ "$boxes" = 1 ] || fail "round $round: $panels panels and $boxes CAUTION boxes"
  if [ -n "$(panel_windows "$a")" ]; then winner=$a loser=$b; else winner=$b loser=$a; fi
  box=$(windows_titled "$loser" "$CAUTION" | head -1)
  xdotool windowactivate --sync "$box" key Return
  expect_clean_exit "$loser" 5 "round $round, OK in the CAUTION box"
  close_from_frame "$(panel_windows "$winner" | head -1)"
  expect_clean_exit "$winner" 3 "round $round, the frame close"
  [ -z "$(leftovers)" ] || fail "round $round: left behind: $(leftovers)"
done
pass "two launches at the same instant give one panel and one CAUTION box"

summary
