#!/usr/bin/env bash
# The panel on a room file, against a fake projector on the left and a closed port on the right, with real
# clicks: it reads the left one's power at start, ON blinks through the warm-up until the projector reports on,
# a send selects the source's input, the dead right one is told in the caption while the left goes on, and is
# reached again once it is back.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../support/fake_pjlink.sh"
start_fake left --password Hush3dUp --warm 2 --cool 2 --inputs "11 31"
start_fake right
stop_fake right

room="$E2E_TMP/room.ini"
(umask 077 && cat >"$room") <<ROOM
[left-projector]
address = 127.0.0.1:${FAKE_PORT[left]}
password = Hush3dUp
input.desktop-pc = 31

[right-projector]
address = 127.0.0.1:${FAKE_PORT[right]}
input.desktop-pc = 31
ROOM

AT+=([right_power_off]="174 137")
asked() { [ "$(sent left "$1")" -ge "${2:-1}" ] || { echo "the left projector was not sent $1" >&2; return 1; }; }

start_x
open_panel --room "$room"
check "the left projector's power is asked at start" wait_for asked '^%1POWR \?$'
dismiss_notice "$WID"

require "projector popup drops in" open_popup "$WID" projector_power power_popup
click "$WID" left_power_on
check "ON switches the left projector on" wait_for asked '^%1POWR 1$'
check "it warms up" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが起動を始めました｡"
check "until it reports on" wait_caption "$WID" "ゆぬり～  左側ﾌﾟﾛｼﾞｪｸﾀが完全に起動しました｡" 10

click "$WID" desktop_pc
click "$WID" send_left
check "a send selects the source's input" wait_for asked '^%1INPT 31$'
check "and says so once it is done" wait_caption "$WID" "ゆぬり～  左側ｽｸﾘｰﾝに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡"

# The panel starts with both projectors on; one that never answered stays so, and only OFF asks it anything.
click "$WID" right_power_off
check "the dead right projector is told" wait_caption "$WID" "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀに接続できません｡" 8
click "$WID" send_left
check "and the left one goes on" wait_for asked '^%1INPT 31$' 2

# Back on its port, the right projector is reached at the next press and switched off.
start_fake right_again --port "${FAKE_PORT[right]}" --power on --cool 1
click "$WID" right_power_off
check "a projector that is back is reached again" \
  wait_caption "$WID" "ゆぬり～  右側ﾌﾟﾛｼﾞｪｸﾀの電源がOFFしました｡" 10
check "the password is never logged" not grep -qF Hush3dUp "$PANEL_LOG"
finish
