#!/usr/bin/env bash
# Ends and launches under trouble: the frame closed mid-slide and mid warm-up ends at once with status 0; a
# missing, relative, read-only or unsafe runtime directory never stops the panel from starting, and it says
# why.
source "$(dirname "$0")/lib.sh"
start_x
unset XDG_CACHE_HOME
export HOME="$E2E_TMP/home"
mkdir -m 700 "$HOME"
readonly FALLBACK="$HOME/.cache/yunuri"

readonly NOTICE_X=200 NOTICE_Y=150
readonly POWER_TOP_BUTTON_X=195 POWER_TOP_BUTTON_Y=14
readonly LEFT_ON_X=135 LEFT_OFF_X=174 LEFT_POWER_Y=100

# Starts a panel and clicks its notice away; the window id is in $WID.
start_panel() {
  launch
  WID=$(wait_window "$PANEL_PID")
  dismiss_notice "$WID" "$NOTICE_X" "$NOTICE_Y"
}

# The toolkit may add its own complaints; ours is the one line that starts with the program's name.
our_lines() { grep -c '^yunuri: ' "$1" || true; }

start_panel
click "$WID" "$POWER_TOP_BUTTON_X" "$POWER_TOP_BUTTON_Y"
# The popup (POP0, 91x210 at rest at 109,26) has taken its first step down: it is on its way.
wait_area_changed "$WID" 109 26 91 4 "$E2E_TMP/panel.png" "$E2E_TMP/sliding.png"
close_from_frame "$WID"
expect_clean_exit "$PANEL_PID" 2 "the frame close during a popup slide"
[ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
pass "closing the frame while a popup slides ends at once with status 0"

start_panel
click "$WID" "$POWER_TOP_BUTTON_X" "$POWER_TOP_BUTTON_Y"
# Its lowest rows, which it covers only once it has come to rest.
wait_area_settled "$WID" 109 216 91 20 "$E2E_TMP/panel.png" "$E2E_TMP/popup.png"
click "$WID" "$LEFT_OFF_X" "$LEFT_POWER_Y"
wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"
click "$WID" "$LEFT_ON_X" "$LEFT_POWER_Y"
wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"
close_from_frame "$WID"
expect_clean_exit "$PANEL_PID" 2 "the frame close during a warm-up"
[ -z "$(leftovers)" ] || fail "left behind: $(leftovers)"
pass "closing the frame while a projector warms up ends at once with status 0"

# A runtime directory that does not exist: the lock moves to a private directory of the user's cache, and
# still keeps a second copy out.
missing="$E2E_TMP/gone/runtime"
XDG_RUNTIME_DIR=$missing launch
wid=$(wait_window "$PANEL_PID")
[ "$(our_lines "$E2E_TMP/panel.log")" = 1 ] || fail "expected one line saying why, got: $(cat "$E2E_TMP/panel.log")"
grep -q "^yunuri: XDG_RUNTIME_DIR $missing does not exist; .*$FALLBACK" "$E2E_TMP/panel.log" ||
  fail "unexpected reason: $(cat "$E2E_TMP/panel.log")"
[ "$(stat -c %a "$FALLBACK")" = 700 ] || fail "the fallback directory has mode $(stat -c %a "$FALLBACK")"
[ -n "$(leftovers "$FALLBACK")" ] || fail "no lock in the fallback directory"
pass "a missing runtime directory: the panel starts, says why and locks in a private directory"

XDG_RUNTIME_DIR=$missing launch_named second
second=$LAUNCHED_PID
box=$(wait_titled "$second" '^CAUTION!!$')
xdotool windowactivate --sync "$box" key Return
expect_clean_exit "$second" 5 "OK in the CAUTION box"
close_from_frame "$wid"
expect_clean_exit "$PANEL_PID" 3 "the frame close"
[ -z "$(leftovers "$FALLBACK")" ] || fail "left behind: $(leftovers "$FALLBACK")"
[ ! -e "$E2E_TMP/gone" ] || fail "the missing runtime directory was made"
pass "the private lock refuses a second copy and is gone after the end"

# A read-only runtime directory: nothing is written into it.
readonly_dir="$E2E_TMP/readonly"
mkdir -m 500 "$readonly_dir"
XDG_RUNTIME_DIR=$readonly_dir launch
wid=$(wait_window "$PANEL_PID")
grep -q "^yunuri: XDG_RUNTIME_DIR $readonly_dir is not writable; .*$FALLBACK" "$E2E_TMP/panel.log" ||
  fail "unexpected reason: $(cat "$E2E_TMP/panel.log")"
[ -z "$(leftovers "$readonly_dir")" ] || fail "written into the read-only directory: $(leftovers "$readonly_dir")"
close_from_frame "$wid"
expect_clean_exit "$PANEL_PID" 3 "the frame close"
[ -z "$(leftovers "$FALLBACK")" ] || fail "left behind: $(leftovers "$FALLBACK")"
pass "a read-only runtime directory: the panel starts and says why"

# A relative runtime directory is no runtime directory: nothing goes where the panel happened to be started.
mkdir -m 700 "$E2E_TMP/cwd" "$E2E_TMP/cwd/runtime"
pushd "$E2E_TMP/cwd" >/dev/null
XDG_RUNTIME_DIR=runtime launch
popd >/dev/null
wid=$(wait_window "$PANEL_PID")
grep -q "^yunuri: XDG_RUNTIME_DIR runtime is not an absolute path; .*$FALLBACK" "$E2E_TMP/panel.log" ||
  fail "unexpected reason: $(cat "$E2E_TMP/panel.log")"
[ -z "$(leftovers "$E2E_TMP/cwd/runtime")" ] || fail "written into the working directory: $(leftovers "$E2E_TMP/cwd")"
[ -n "$(leftovers "$FALLBACK")" ] || fail "no lock in the fallback directory"
close_from_frame "$wid"
expect_clean_exit "$PANEL_PID" 3 "the frame close"
pass "a relative runtime directory: the lock goes to the private fallback, not the working directory"

# A fallback directory that others may write into is not trusted with the lock: the panel runs unguarded.
chmod 777 "$FALLBACK"
XDG_RUNTIME_DIR= launch
wid=$(wait_window "$PANEL_PID")
grep -q "^yunuri: XDG_RUNTIME_DIR is not set and $FALLBACK is writable by others; running without" \
  "$E2E_TMP/panel.log" || fail "unexpected reason: $(cat "$E2E_TMP/panel.log")"
[ -z "$(leftovers "$FALLBACK")" ] || fail "a lock was put in a shared directory"
close_from_frame "$wid"
expect_clean_exit "$PANEL_PID" 3 "the frame close"
pass "a fallback directory writable by others is not used"

summary
