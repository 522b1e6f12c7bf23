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

# The toolkit may add its own complaints; ours is the one line that starts with the program's name, matching $1.
says_why() {
  [ "$(grep -c '^yunuri: ' "$PANEL_LOG")" = 1 ] && grep -q "^yunuri: $1" "$PANEL_LOG" || ! cat "$PANEL_LOG" >&2
}
closes_leaving_nothing() { close_from_frame "$WID" && ends_leaving_nothing "$PANEL_PID" "$1" "${@:2}"; }
has_lock() { [ -n "$(leftovers "$1")" ]; }

open_panel
dismiss_notice "$WID"
click "$WID" projector_power
# The popup has taken its first step down: it is on its way.
wait_area_changed "$WID" "$E2E_TMP/panel.png" "$E2E_TMP/sliding.png" 109 26 91 4
check "closing the frame while a popup slides ends at once with status 0" closes_leaving_nothing 2

open_panel
dismiss_notice "$WID"
require "the power popup drops in" open_popup "$WID" projector_power power_popup
click "$WID" left_power_off
require "a cool-down starts" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀがｸｰﾘﾝｸﾞを始めました｡"
click "$WID" left_power_on
require "a warm-up starts" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"
check "closing the frame while a projector warms up ends at once with status 0" closes_leaving_nothing 2

# A runtime directory that does not exist: the lock moves to a private directory of the user's cache, and
# still keeps a second copy out.
missing="$E2E_TMP/gone/runtime"
XDG_RUNTIME_DIR=$missing open_panel
first=$PANEL_PID wid=$WID
check "a missing runtime directory: the panel says why" says_why "XDG_RUNTIME_DIR $missing does not exist; .*$FALLBACK"
check "and locks in a private directory" test "$(stat -c %a "$FALLBACK")" = 700
check "with its lock in it" has_lock "$FALLBACK"
XDG_RUNTIME_DIR=$missing launch
xdotool windowactivate --sync "$(wait_window "$PANEL_PID" '^CAUTION!!$')" key Return
check "the private lock refuses a second copy" ends_cleanly "$PANEL_PID" 5
PANEL_PID=$first WID=$wid
check "and is gone after the end" closes_leaving_nothing 3 "$FALLBACK"
check "the missing runtime directory is not made" test ! -e "$E2E_TMP/gone"

# A read-only runtime directory: nothing is written into it.
readonly_dir="$E2E_TMP/readonly"
mkdir -m 500 "$readonly_dir"
XDG_RUNTIME_DIR=$readonly_dir open_panel
check "a read-only runtime directory: the panel says why" says_why "XDG_RUNTIME_DIR $readonly_dir is not writable; .*$FALLBACK"
check "and writes nothing into it" nothing_left "$readonly_dir"
check "nor leaves its lock behind" closes_leaving_nothing 3 "$FALLBACK"

# A relative runtime directory is no runtime directory: nothing goes where the panel happened to be started.
mkdir -m 700 "$E2E_TMP/cwd" "$E2E_TMP/cwd/runtime"
pushd "$E2E_TMP/cwd" >/dev/null
XDG_RUNTIME_DIR=runtime open_panel
popd >/dev/null
check "a relative runtime directory: the panel says why" says_why "XDG_RUNTIME_DIR runtime is not an absolute path; .*$FALLBACK"
check "and writes nothing where it was started" nothing_left "$E2E_TMP/cwd/runtime"
check "the lock goes to the private fallback" has_lock "$FALLBACK"
close_from_frame "$WID"
check "the frame close" ends_cleanly "$PANEL_PID" 3

# A fallback directory that others may write into is not trusted with the lock: the panel runs unguarded.
chmod 777 "$FALLBACK"
XDG_RUNTIME_DIR= open_panel
check "a fallback directory writable by others: the panel says why" \
  says_why "XDG_RUNTIME_DIR is not set and $FALLBACK is writable by others; running without"
check "and puts no lock in it" nothing_left "$FALLBACK"
check "the frame close" closes_leaving_nothing 3 "$FALLBACK"
finish
