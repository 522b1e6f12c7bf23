#!/usr/bin/env bash
# A room file whose left projector never answers: its packets vanish. The panel runs in a network namespace of
# the test's own where that address lies behind a virtual link nobody listens on, so a connection is never
# refused and never made. Every click still answers at once, and within a few seconds the panel says that the
# projector does not answer, instead of waiting for the system to give up after minutes.
#
# Needs root and `ip` (iproute2) with network namespaces and veth links; skipped otherwise.
source "$(dirname "$0")/lib.sh"

SILENT=198.18.0.2 # the benchmarking range: nothing of the machine's own network is touched
[ "$(id -u)" = 0 ] || skip "a network namespace needs root"
command -v ip >/dev/null || skip "no ip command (iproute2)"
NS="yunuri-e2e-$$"
ip netns add "$NS" 2>/dev/null || skip "network namespaces cannot be made here"
remove_namespace() { ip netns delete "$NS"; }
AT_EXIT+=(remove_namespace)
# The namespace's own link, and a neighbour entry for the projector's address with a hardware address nobody
# has: what is sent to it goes out and is dropped at the other end, as on a network where it was unplugged.
ip -n "$NS" link set lo up
ip -n "$NS" link add yunuri0 type veth peer name yunuri1 2>/dev/null || skip "virtual links cannot be made here"
ip -n "$NS" address add 198.18.0.1/24 dev yunuri0
ip -n "$NS" link set yunuri0 up
ip -n "$NS" link set yunuri1 up
ip -n "$NS" neighbour add "$SILENT" lladdr 02:00:00:00:00:02 dev yunuri0 nud permanent

printf '[left-projector]\naddress = %s\ninput.desktop-pc = 31\n' "$SILENT" >"$E2E_TMP/room.ini"
chmod 600 "$E2E_TMP/room.ini"
# The panel in the namespace, as the same process: the window is still found by its pid.
printf '#!/bin/sh\nexec ip netns exec %s %s "$@"\n' "$NS" "$YUNURI_BIN" >"$E2E_TMP/in-namespace"
chmod +x "$E2E_TMP/in-namespace"
YUNURI_BIN="$E2E_TMP/in-namespace"

start_x
open_panel --room "$E2E_TMP/room.ini"
dismiss_notice "$WID"

# Were the panel's thread waiting on the connection, a click would wait for the system's own timeout, which is
# minutes: seconds tell the two apart on any machine.
click "$WID" dvd_vtr
check "a click answers while the projector is asked" \
  wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢DVD/VTR｣映像が表示されました｡" 3
require "projector popup drops in" open_popup "$WID" projector_power power_popup
click "$WID" left_power_off
click "$WID" desktop_pc
check "and after a press that asks it again" \
  wait_caption "$WID" "ゆぬり～  ﾓﾆﾀｰに｢ﾃﾞｽｸﾄｯﾌﾟPC｣映像が表示されました｡" 3
# Each attempt is given up after about five seconds, told in the caption (naming the left projector) or in
# the log (naming its address).
silent_told() { caption "$WID" | grep -q '左側ﾌﾟﾛｼﾞｪｸﾀ' || grep -q "left projector $SILENT" "$PANEL_LOG"; }
check "the silent projector is reported" within 8 silent_told
check "the panel still runs" kill -0 "$PANEL_PID"
finish
